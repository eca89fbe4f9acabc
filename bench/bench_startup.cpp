// Start-up with the splash request failing at once (the gateway's port is closed), offscreen,
// from starting the process to:
// - the first painted frame of the tab bar (the client itself);
// - with a gesture stored, the first painted frame of the lock screen that the home page
//   opens on top. The client has no trace for that frame, so this program starts itself as
//   a client (`--lock-client`): the client's own screens and start-up, plus an event filter
//   that reports the lock screen's first paint.
#include "AppConfig.h"
#include "AppDelegate.h"
#include "BenchSupport.h"
#include "ClientScreens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {

constexpr int kLaunches = 10;
const char kLockMark[] = "startup: first lock-screen frame painted";
const char kTabBarMark[] = "startup: first tab-bar frame painted";

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

// Milliseconds from starting `program` until it writes `mark`; -1 if it never does.
double launchOnce(const QString &program, QStringList arguments, const QByteArray &mark,
                  bool storedGesture)
{
    QTemporaryDir data;
    if (storedGesture) {
        QFile defaults(data.filePath("user-defaults.json"));
        if (!defaults.open(QIODevice::WriteOnly))
            return -1;
        defaults.write(R"({"gestureOneSaveKey":"14789","gestureFinalSaveKey":"14789"})");
    }
    QProcess client;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("CHENGLAN_TRACE_STARTUP", "1");
    env.insert("QT_LOGGING_RULES", "*.debug=false");
    client.setProcessEnvironment(env);
    client.setProcessChannelMode(QProcess::MergedChannels);
    arguments << "--gateway" << QString("http://127.0.0.1:%1").arg(closedPort()) << "--data-dir"
              << data.path();
    QElapsedTimer clock;
    clock.start();
    client.start(program, arguments);
    QByteArray output;
    while (!output.contains(mark) && client.state() != QProcess::NotRunning &&
           clock.elapsed() < 20000) {
        client.waitForReadyRead(5);
        output += client.readAll();
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    client.kill();
    client.waitForFinished();
    return output.contains(mark) ? ms : -1;
}

// Reports the first paint of the lock screen or anything on it.
class LockScreenFrame final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_done || event->type() != QEvent::Paint)
            return false;
        for (QObject *o = watched; o; o = o->parent()) {
            if (o->inherits("KVGestureViewController")) {
                m_done = true;
                // Once the paint under way has finished.
                QTimer::singleShot(0, [] { std::fprintf(stderr, "%s\n", kLockMark); });
                break;
            }
        }
        return false;
    }

private:
    bool m_done = false;
};

int runLockClient(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(14);
    app.setFont(font);
    const QStringList args = app.arguments();
    AppConfig::setGatewayBaseUrl(QUrl(args.value(args.indexOf("--gateway") + 1)));
    AppConfig::setDataDir(args.value(args.indexOf("--data-dir") + 1));
    registerClientScreens();
    LockScreenFrame frame;
    app.installEventFilter(&frame);
    AppDelegate delegate(QSize(320, 568));
    delegate.start();
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--lock-client") == 0)
        return runLockClient(argc, argv);
    QCoreApplication app(argc, argv);
    std::printf("%d launches of each, offscreen, the splash request refused\n", kLaunches);
    bool failed = false;
    const auto figure = [&](const QString &program, const QStringList &arguments,
                            const QByteArray &mark, bool storedGesture) {
        const double ms = launchOnce(program, arguments, mark, storedGesture);
        failed = failed || ms < 0;
        return ms;
    };
    BenchSupport::reportRepeated(
        QStringLiteral("process start to the first tab-bar frame"), kLaunches,
        [&] { return figure(CHENGLAN_CLIENT, {}, kTabBarMark, false); }, -1, QStringLiteral("ms"));
    BenchSupport::reportRepeated(
        QStringLiteral("process start to the lock screen's first frame, gesture stored"), kLaunches,
        [&] {
            return figure(QCoreApplication::applicationFilePath(), {"--lock-client"}, kLockMark,
                          true);
        },
        400, QStringLiteral("ms"));
    if (failed) {
        std::fprintf(stderr, "a client never painted the frame waited for\n");
        return 1;
    }
    return 0;
}

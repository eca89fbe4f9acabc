// Time from starting the client to the first painted frame of its tab bar, when the splash
// request fails at once (the gateway's port is closed). Offscreen; median of ten launches.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

double launchOnce()
{
    QTemporaryDir data;
    QProcess client;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("CHENGLAN_TRACE_STARTUP", "1");
    env.insert("QT_LOGGING_RULES", "*.debug=false");
    client.setProcessEnvironment(env);
    client.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    client.start(CHENGLAN_CLIENT, {"--gateway", QString("http://127.0.0.1:%1").arg(closedPort()),
                                   "--data-dir", data.path()});
    QByteArray err;
    while (!err.contains("first tab-bar frame") && client.state() != QProcess::NotRunning &&
           clock.elapsed() < 20000) {
        client.waitForReadyRead(20);
        err += client.readAll();
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    client.kill();
    client.waitForFinished();
    return err.contains("first tab-bar frame") ? ms : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<double> times;
    for (int i = 0; i < 10; ++i) {
        const double ms = launchOnce();
        if (ms < 0) {
            std::fprintf(stderr, "the client never painted its tab bar\n");
            return 1;
        }
        times.append(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("start-up to first tab-bar frame (splash request refused): median %.1f ms, min "
                "%.1f ms, max %.1f ms\n",
                times.at(times.size() / 2), times.first(), times.last());
    return 0;
}

// Peak memory (VmHWM) of the client, with its embedded demo gateway, once the tour
// (scripts/tour.jsonl, through the automation driver) has visited every screen.
//
// Usage: bench_memory [runs]   (default 1: a tour takes over a minute)
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Where the memory is at the end: the heap, and the mapped files (libraries, fonts)
// holding the most resident pages.
void printWhere(qint64 pid)
{
    QFile smaps(QStringLiteral("/proc/%1/smaps").arg(pid));
    if (!smaps.open(QIODevice::ReadOnly))
        return;
    QHash<QByteArray, qint64> kib;
    QByteArray mapping;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 5 && words.first().contains('-') && !line.startsWith("Rss"))
            mapping = words.size() >= 6 ? words.at(5) : QByteArrayLiteral("[anonymous]");
        else if (line.startsWith("Rss:") && words.size() >= 2)
            kib[mapping] += words.at(1).toLongLong();
    }
    QList<std::pair<qint64, QByteArray>> sorted;
    for (auto it = kib.cbegin(); it != kib.cend(); ++it)
        sorted.append({it.value(), it.key()});
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    std::printf("  resident at the end, the largest:");
    for (qsizetype i = 0; i < std::min<qsizetype>(6, sorted.size()); ++i)
        std::printf(" %s %.1f MiB;",
                    QFileInfo(QString::fromLocal8Bit(sorted.at(i).second))
                        .fileName()
                        .toLocal8Bit()
                        .constData(),
                    sorted.at(i).first / 1024.0);
    std::printf("\n");
}

// MiB at the end of the tour; -1 when the client stopped or a step failed.
double tourPeak(const QList<QByteArray> &commands)
{
    QTemporaryDir work; // the tour's screenshots land here
    QDir(work.path()).mkpath("out/tour");
    QProcess client;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_LOGGING_RULES", "*.debug=false");
    client.setProcessEnvironment(env);
    client.setWorkingDirectory(work.path());
    client.setProcessChannelMode(QProcess::SeparateChannels);
    client.setStandardErrorFile(QProcess::nullDevice());
    client.start(CHENGLAN_CLIENT, {"--automation", "--data-dir", work.filePath("data")});
    if (!client.waitForStarted())
        return -1;
    for (const QByteArray &command : commands)
        client.write(command + '\n');
    qsizetype answers = 0;
    bool failed = false;
    QByteArray pending;
    QElapsedTimer clock;
    clock.start();
    while (answers < commands.size() && client.state() == QProcess::Running &&
           clock.elapsed() < 600000) {
        client.waitForReadyRead(100);
        pending += client.readAllStandardOutput();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            ++answers;
            if (line.contains("\"ok\":false")) {
                std::fprintf(stderr, "tour step %lld failed: %s\n", qlonglong(answers),
                             line.constData());
                failed = true;
            }
        }
    }
    const double peak =
        answers == commands.size() ? BenchSupport::peakMemoryMiB(client.processId()) : -1;
    if (peak > 0)
        printWhere(client.processId());
    client.write("{\"cmd\":\"quit\"}\n");
    client.closeWriteChannel();
    if (!client.waitForFinished(10000))
        client.kill();
    return failed ? -1 : peak;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 1;
    QFile script(CHENGLAN_TOUR);
    if (!script.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", CHENGLAN_TOUR);
        return 1;
    }
    QList<QByteArray> commands;
    for (const QByteArray &line : script.readAll().split('\n')) {
        if (!line.trimmed().isEmpty() && !line.contains("\"quit\""))
            commands.append(line.trimmed());
    }
    std::printf("the tour: %lld commands, %d run(s)\n", qlonglong(commands.size()), runs);
    bool failed = false;
    // For scale: the client shown with its home page, before the tour goes anywhere.
    const qsizetype home =
        commands.indexOf(R"({"cmd":"waitFor","objectName":"tabBar","timeout":5000})");
    if (home > 0)
        BenchSupport::reportRepeated(
            QStringLiteral("peak memory (VmHWM) at the home page, embedded gateway included"), runs,
            [&] { return tourPeak(commands.mid(0, home + 2)); }, -1, QStringLiteral("MiB"));
    BenchSupport::reportRepeated(
        QStringLiteral("peak memory (VmHWM) after the tour, embedded gateway included"), runs,
        [&] {
            const double mib = tourPeak(commands);
            failed = failed || mib < 0;
            return mib;
        },
        80, QStringLiteral("MiB"));
    return failed ? 1 : 0;
}

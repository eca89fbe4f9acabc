#include "BenchSupport.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace BenchSupport {

Spread spreadOf(QList<double> values)
{
    if (values.isEmpty())
        return {};
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    const double median = n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
    return {median, values.first(), values.last()};
}

double timeMs(const std::function<void()> &run)
{
    QElapsedTimer clock;
    clock.start();
    run();
    return double(clock.nsecsElapsed()) / 1e6;
}

QList<double> pairRatios(int warmUp, int pairs, const std::function<void()> &a,
                         const std::function<void()> &b)
{
    for (int i = 0; i < warmUp; ++i) {
        a();
        b();
    }
    QList<double> ratios;
    ratios.reserve(pairs);
    for (int i = 0; i < pairs; ++i) {
        // Alternating which side goes first keeps a cache or allocator effect of the
        // first call from always landing on the same side.
        double ta = 0;
        double tb = 0;
        if (i % 2) {
            tb = timeMs(b);
            ta = timeMs(a);
        } else {
            ta = timeMs(a);
            tb = timeMs(b);
        }
        ratios.append(tb / ta);
    }
    return ratios;
}

void report(const QString &name, const Spread &spread, double goal, const QString &unit)
{
    const int decimals = unit == QLatin1String("x") || spread.max < 10 ? 2 : 1;
    const auto num = [decimals](double v) { return QString::number(v, 'f', decimals); };
    const QString separator = unit == QLatin1String("x") ? QString() : QStringLiteral(" ");
    QString line =
        QStringLiteral("%1: median %2%3%4 (min–max %5–%6)")
            .arg(name, num(spread.median), separator, unit, num(spread.min), num(spread.max));
    if (goal >= 0)
        line += QStringLiteral(", goal <= %1%2%3: %4")
                    .arg(QString::number(goal), separator, unit,
                         spread.median <= goal ? QStringLiteral("met") : QStringLiteral("NOT met"));
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

Spread reportRepeated(const QString &name, int count, const std::function<double()> &figure,
                      double goal, const QString &unit)
{
    QList<double> values;
    for (int i = 0; i < count; ++i)
        values.append(figure());
    const Spread spread = spreadOf(values);
    report(name, spread, goal, unit);
    return spread;
}

double peakMemoryMiB(qint64 pid)
{
    QFile status(pid > 0 ? QStringLiteral("/proc/%1/status").arg(pid)
                         : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // "VmHWM:    81234 kB"
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

} // namespace BenchSupport

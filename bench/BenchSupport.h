#pragma once

#include <QList>
#include <QString>
#include <functional>

// What every benchmark shares: a figure is summarised as its median and its range, and
// printed on one line with its goal, so that `make bench` reads as a list of budgets.
// Comparisons interleave their two sides (A, B, A, B ...) after a warm-up and take the
// ratio of each pair: a neighbour loading the machine slows both sides of a pair alike.
namespace BenchSupport {

struct Spread
{
    double median = 0;
    double min = 0;
    double max = 0;
};

Spread spreadOf(QList<double> values);

// Milliseconds one call of `run` takes.
double timeMs(const std::function<void()> &run);

// `warmUp` unmeasured pairs, then `pairs` measured ones; each element is B's time over A's.
QList<double> pairRatios(int warmUp, int pairs, const std::function<void()> &a,
                         const std::function<void()> &b);

// "name: median 1.23 ms (min–max 1.10–1.40), goal <= 16 ms: met". A figure with no goal
// (goal < 0) is printed for information.
void report(const QString &name, const Spread &spread, double goal, const QString &unit);

// Runs `figure` `count` times and reports the spread of its results against the goal.
Spread reportRepeated(const QString &name, int count, const std::function<double()> &figure,
                      double goal, const QString &unit);

// The process's peak resident memory (VmHWM) in MiB; -1 when /proc is not readable.
double peakMemoryMiB(qint64 pid = 0);

} // namespace BenchSupport

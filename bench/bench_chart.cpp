// Building the net-value chart for two years of daily values (720 points) and answering a
// pan event across it, painting each (offscreen). A frame is 16 ms.
#include "Animations.h"
#include "QZView.h"
#include "RXLineChartView.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWindow>
#include <QtMath>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kPoints = 720;

QList<ChartViewModel> series()
{
    QList<ChartViewModel> points;
    double nav = 1.0;
    const QDate first(2024, 12, 16);
    for (int i = 0; i < kPoints; ++i) {
        nav *= 1.0 + 0.01 * qSin(i * 0.37) + 0.0004;
        points.append(
            ChartViewModel::ChartViewModelWithNav(nav, first.addDays(i).toString("yyyyMMdd")));
    }
    return points;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void move(QWidget *overlay, QPointF at)
{
    QMouseEvent event(QEvent::MouseMove, at, overlay->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(overlay, &event);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setFont(QFont("Noto Sans CJK SC"));
    // Faded in at once, so the first paint draws the whole line.
    Animations::setEnabled(false);
    const QList<ChartViewModel> points = series();
    QWidget host;
    host.resize(320, 200);
    host.show();
    // Nothing paints until the window is exposed.
    while (!host.windowHandle() || !host.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

    // Building: a new chart per answer, as the trust detail does, then its first paint.
    constexpr int kBuilds = 20;
    QList<double> builds;
    QList<double> paints;
    RXLineChartView *chart = nullptr;
    for (int i = 0; i < kBuilds; ++i) {
        delete chart;
        QElapsedTimer clock;
        clock.start();
        chart = new RXLineChartView(QRectF(0, 0, 320, 200), &host);
        chart->setChartInfos(points);
        chart->show();
        builds.append(clock.nsecsElapsed() / 1e6);
        clock.restart();
        chart->repaint();
        paints.append(clock.nsecsElapsed() / 1e6);
    }

    // Panning: every move finds the nearest point, updates the read-out and repaints.
    QWidget *overlay = chart->overlay();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 50),
                      overlay->mapToGlobal(QPointF(5, 50)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(overlay, &press);
    move(overlay, QPointF(30, 50)); // the pan begins
    int events = 0;
    double total = 0;
    double worst = 0;
    for (int sweep = 0; sweep < 4; ++sweep) {
        for (int x = 0; x < 280; x += 2, ++events) {
            QElapsedTimer clock;
            clock.start();
            move(overlay, QPointF(sweep % 2 ? 280 - x : x, 50));
            chart->repaint();
            const double ms = clock.nsecsElapsed() / 1e6;
            total += ms;
            worst = std::max(worst, ms);
        }
    }
    std::printf("chart of %d points: built in %.2f ms, first paint %.2f ms (medians of %d); "
                "a pan event with its repaint: %.3f ms on average, worst %.2f ms (%d events)\n",
                kPoints, median(builds), median(paints), kBuilds, total / events, worst, events);
    return 0;
}

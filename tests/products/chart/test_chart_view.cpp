// The chart widget offscreen: what it builds for a series, the touch read-out driven with the
// mouse, the tap that passes through it, and the drawing of its parts.
#include "Animations.h"
#include "QZView.h"
#include "RXCircleDotView.h"
#include "RXLineChartView.h"
#include "RXLineChartViewDelegate.h"
#include "RXLineView.h"
#include "RXUtil.h"
#include "TapGestureRecognizer.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

QList<ChartViewModel> series(const QList<double> &values)
{
    QList<ChartViewModel> points;
    for (int i = 0; i < values.size(); ++i)
        points.append(ChartViewModel::ChartViewModelWithNav(
            values.at(i), QStringLiteral("201601%1").arg(i + 10)));
    return points;
}

// Press, moves and release, as a finger would (and as the automation driver does).
void drag(QWidget *widget, const QList<QPointF> &points)
{
    const auto send = [widget](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, points.first(), Qt::LeftButton);
    for (const QPointF &p : points.mid(1))
        send(QEvent::MouseMove, p, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, points.last(), Qt::NoButton);
}

class Recorder : public QObject, public RXLineChartViewDelegate
{
public:
    void didTouchAreaWithIndex(qint32 index) override { touched.append(index); }
    void didReleaseAreaWithIndex(qint32 index) override { released.append(index); }

    QList<qint32> touched;
    QList<qint32> released;
};

QStringList labelTexts(const RXLineChartView &chart)
{
    QStringList texts;
    for (QLabel *label : chart.introductionLabels())
        texts.append(label->text());
    return texts;
}

} // namespace

class TestChartView : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Animations::setEnabled(false);
        m_host = std::make_unique<QWidget>();
        m_host->resize(320, 240);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }

    void cleanup() { m_host.reset(); }

    void hexColours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        const QColor blue(0x00, 0x94, 0xde);
        const QColor clear(0, 0, 0, 0);
        QTest::newRow("#0094de") << "#0094de" << blue;
        QTest::newRow("0X0094DE") << "0X0094DE" << blue;
        QTest::newRow("white space around") << "  #0094de \n" << blue;
        QTest::newRow("no prefix") << "0094de" << blue;
        QTest::newRow("five digits") << "#0094d" << clear;
        QTest::newRow("a colour's name") << "blue" << clear;
        QTest::newRow("seven digits") << "#0094dee" << clear;
        QTest::newRow("not hexadecimal reads as 0") << "#GG94de" << QColor(0x00, 0x94, 0xde);
    }

    void hexColours()
    {
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QCOMPARE(RXUtil::colorWithHexString(text), colour);
    }

    void hexColourWithAlpha()
    {
        QVERIFY(qAbs(RXUtil::colorWithHexString("#FF4252", 0.5).alphaF() - 0.5) < 0.01);
        QCOMPARE(RXUtil::colorWithHexString("#FF4252", 0.5).red(), 0xFF);
    }

    void frameIsShiftedRightByThirty()
    {
        RXLineChartView chart(QRectF(0, 5, 320, 200), m_host.get());
        QCOMPARE(chart.frame(), QRectF(30, 5, 290, 200));
        // The widget reaches ten points further left, for the value labels, and forty further
        // right, for the last date label.
        QCOMPARE(chart.geometry(), QRect(20, 5, 340, 200));
        QCOMPARE(chart.curChoosedTag(), -1);
        QCOMPARE(chart.topLineSpaceColor(), QColor(Qt::black));
        QCOMPARE(chart.underLineSpaceColor(), QColor(Qt::black));
    }

    void emptySeriesStaysBlank()
    {
        RXLineChartView chart(QRectF(0, 0, 320, 200), m_host.get());
        chart.setChartInfos({});
        QVERIFY(!chart.overlay());
        QVERIFY(chart.introductionLabels().isEmpty());
        QVERIFY(chart.lineViews().isEmpty());
    }

    void fourPointsBuildLabelsSegmentsAndHiddenMarkers()
    {
        RXLineChartView chart(QRectF(0, 0, 320, 200), m_host.get());
        chart.setChartInfos(series({1.0, 1.2, 0.8, 1.1}));
        // On a 320-point phone the middle date has no room between the first and the last.
        QCOMPARE(labelTexts(chart), (QStringList{"2016年01月10日", "2016年01月13日", "1.200",
                                                 "1.000", "0.800"}));
        QCOMPARE(chart.dotViews().size(), 4);
        for (const RXCircleDotView &dot : chart.dotViews())
            QVERIFY(dot.hidden);
        QCOMPARE(chart.lineViews().size(), 3);
        const RXLineView &segment = chart.lineViews().first();
        QCOMPARE(segment.frame, QRectF(30, 0, 260, 190));
        QCOMPARE(segment.lineColor, QColor(0x00, 0x94, 0xde));
        QCOMPARE(segment.topSpaceColor, QColor(Qt::white));
        QCOMPARE(segment.bottomSpaceColor, QColor(Qt::white));
        QCOMPARE(segment.lineWidth, 1.0f);
        QCOMPARE(chart.linesAlpha(), 1.0); // animations off: faded in at once
        QVERIFY(chart.overlay());
        QCOMPARE(chart.overlay()->geometry(), chart.toWidget(QRectF(10, 10, 290, 200)));
        QVERIFY(!chart.touchNumLable()); // made on the first touch
    }

    void linesFadeIn()
    {
        Animations::setEnabled(true);
        RXLineChartView chart(QRectF(0, 0, 320, 200), m_host.get());
        chart.setChartInfos(series({1.0, 1.2, 0.8}));
        QCOMPARE(chart.linesAlpha(), 0.0);
        // Fading in after a short pause (the end value is checked with animations off).
        QTRY_VERIFY(chart.linesAlpha() > 0);
    }

    void dragReadsOutTheNearestPoint()
    {
        RXLineChartView chart(QRectF(0, 0, 320, 200), m_host.get());
        Recorder recorder;
        chart.setDelegate(&recorder);
        chart.setChartInfos(series({1.0, 1.2, 0.8, 1.1}));
        QZView *overlay = chart.overlay();
        const QPointF origin(10, 10); // the overlay's place in the chart

        // A finger that has not yet moved far enough is no pan.
        const auto send = [overlay](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, overlay->mapToGlobal(at), Qt::LeftButton, buttons,
                              Qt::NoModifier);
            QApplication::sendEvent(overlay, &event);
        };
        send(QEvent::MouseButtonPress, QPointF(80, 50) - origin, Qt::LeftButton);
        send(QEvent::MouseMove, QPointF(85, 50) - origin, Qt::LeftButton);
        QVERIFY(!chart.touchNumLable());

        send(QEvent::MouseMove, QPointF(100, 50) - origin, Qt::LeftButton);
        QLabel *bubble = chart.touchNumLable();
        QVERIFY(bubble);
        QCOMPARE(bubble->text(), QString("1.20    "));
        QCOMPARE(chart.touchNumLableAlpha(), 1.0);
        QCOMPARE(chart.touchFlowLineAlpha(), 0.6);
        QCOMPARE(chart.touchFlowLineView()->x(), chart.toWidget(QRectF(100, 0, 1, 1)).x());
        QCOMPARE(chart.touchedDot()->tag, 1);
        QCOMPARE(recorder.touched, QList<qint32>{1});
        // Above the point, centred on it.
        const QRectF dot = chart.touchedDot()->frame;
        QCOMPARE(bubble->geometry().center().x(), chart.toWidget(dot).center().x());
        QCOMPARE(bubble->y(), qRound(dot.top() - 30));

        send(QEvent::MouseMove, QPointF(180, 50) - origin, Qt::LeftButton);
        send(QEvent::MouseMove, QPointF(258, 50) - origin, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, QPointF(258, 50) - origin, Qt::NoButton);
        QCOMPARE(recorder.touched, (QList<qint32>{1, 2, 3}));
        QCOMPARE(recorder.released, QList<qint32>{3});
        QCOMPARE(chart.curChoosedTag(), 3);
        QCOMPARE(bubble->text(), QString("1.10    "));
        // Left of the last point, then faded out with the line.
        const qreal rightEdge = chart.touchedDot()->frame.left() - 10 + RXLineChartView::kLeftBleed;
        QVERIFY(qAbs(bubble->geometry().right() + 1 - rightEdge) <= 1); // whole pixels
        QCOMPARE(chart.touchNumLableAlpha(), 0.0);
        QCOMPARE(chart.touchFlowLineAlpha(), 0.0);

        // The line and bubble stay and come back on the next touch.
        drag(overlay, {QPointF(250, 40), QPointF(200, 40)});
        QCOMPARE(chart.touchNumLable(), bubble);
        QCOMPARE(recorder.released, (QList<qint32>{3, 2}));
    }

    void onePointReadsOutWherever()
    {
        RXLineChartView chart(QRectF(0, 0, 320, 200), m_host.get());
        Recorder recorder;
        chart.setDelegate(&recorder);
        chart.setChartInfos(series({1.5}));
        QVERIFY(chart.lineViews().isEmpty());
        drag(chart.overlay(), {QPointF(5, 20), QPointF(250, 20)});
        QCOMPARE(chart.touchNumLable()->text(), QString("1.50    "));
        QCOMPARE(recorder.touched, QList<qint32>{0});
        QCOMPARE(recorder.released, QList<qint32>{0});
    }

    void aGoneDelegateHearsNothing()
    {
        RXLineChartView chart(QRectF(0, 0, 320, 200), m_host.get());
        auto *recorder = new Recorder;
        chart.setDelegate(recorder);
        chart.setChartInfos(series({1.0, 2.0}));
        delete recorder;
        QVERIFY(!chart.delegate());
        drag(chart.overlay(), {QPointF(5, 20), QPointF(250, 20)}); // no crash
        QCOMPARE(chart.curChoosedTag(), 1);
    }

    void newSeriesKeepsItsLabelsAndStartsANewReadOut()
    {
        RXLineChartView chart(QRectF(0, 0, 320, 200), m_host.get());
        Recorder recorder;
        chart.setDelegate(&recorder);
        chart.setChartInfos(series({1.0, 1.2, 0.8, 1.1}));
        drag(chart.overlay(), {QPointF(5, 20), QPointF(100, 20)});
        chart.setChartInfos(series({2.0, 3.0}));
        QCOMPARE(labelTexts(chart),
                 (QStringList{"2016年01月10日", "2016年01月11日", "3.000", "2.500"}));
        QCOMPARE(chart.findChildren<QZView *>().size(), 1);
        QVERIFY(!chart.touchNumLable());
        QCOMPARE(chart.curChoosedTag(), -1);
        drag(chart.overlay(), {QPointF(250, 20), QPointF(270, 20)});
        QCOMPARE(recorder.touched, (QList<qint32>{1, 1}));
    }

    void tapPassesThroughToTheOwnersView()
    {
        auto *area = new QWidget(m_host.get());
        area->setGeometry(0, 0, 320, 200);
        area->show();
        auto *tap = new TapGestureRecognizer(area);
        QSignalSpy tapped(tap, &TapGestureRecognizer::tapped);
        auto *chart = new RXLineChartView(QRectF(0, 0, 320, 200), area);
        chart->setChartInfos(series({1.0, 1.2, 0.8}));
        chart->show();

        QTest::mouseClick(chart->overlay(), Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(tapped.size(), 1);
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, 5)); // outside the chart
        QCOMPARE(tapped.size(), 2);
        // A drag pans the chart and is no tap.
        drag(chart->overlay(), {QPointF(20, 20), QPointF(120, 20)});
        QCOMPARE(tapped.size(), 2);
        QVERIFY(chart->touchNumLable());
    }

    void markerDrawsARedCentreOnWhite()
    {
        QImage image(15, 15, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        RXCircleDotView{QRectF(0, 0, 15, 15), 0, false}.drawRect(painter);
        painter.end();
        QCOMPARE(QColor(image.pixel(7, 7)), QColor(0xFF, 0x42, 0x52));
        QCOMPARE(QColor(image.pixel(7, 1)), QColor(Qt::white));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }

    void segmentFillsAboveAndBelowAndStrokesTheLine()
    {
        QImage image(40, 40, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const RXLineView segment{QRectF(30, 0, 40, 40),
                                 QPointF(0, 20.5),
                                 QPointF(40, 20.5),
                                 Qt::yellow,
                                 Qt::green,
                                 QColor(0, 0, 255),
                                 1};
        segment.drawRect(painter);
        painter.end();
        QCOMPARE(QColor(image.pixel(20, 5)), QColor(Qt::yellow));
        QCOMPARE(QColor(image.pixel(20, 35)), QColor(Qt::green));
        QCOMPARE(QColor(image.pixel(20, 20)).blue(), 255);
    }

private:
    std::unique_ptr<QWidget> m_host;
};

QTEST_MAIN(TestChartView)
#include "test_chart_view.moc"

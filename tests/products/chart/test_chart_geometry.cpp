// The chart's geometry and touch read-out on their own: no window, Qt Core only.
#include "ChartViewModel.h"
#include "RXLineChartLayout.h"
#include "RXLineChartTouch.h"
#include "RXUIViewCtg.h"

#include <QTest>

namespace {

constexpr qreal kWidth = 290;
constexpr qreal kHeight = 200;
constexpr qreal kScreen = 320;

QList<ChartViewModel> series(const QList<double> &values)
{
    QList<ChartViewModel> points;
    for (int i = 0; i < values.size(); ++i)
        points.append(ChartViewModel::ChartViewModelWithNav(
            values.at(i), QStringLiteral("201601%1").arg(i + 10)));
    return points;
}

RXLineChartLayout layoutOf(const QList<double> &values)
{
    return RXLineChartLayout(series(values), QSizeF(kWidth, kHeight), kScreen);
}

QList<int> indicesOf(const QList<RXLineChartLayout::Label> &labels)
{
    QList<int> indices;
    for (const auto &label : labels)
        indices.append(label.index);
    return indices;
}

QStringList textsOf(const QList<RXLineChartLayout::Label> &labels)
{
    QStringList texts;
    for (const auto &label : labels)
        texts.append(label.text);
    return texts;
}

QList<qreal> ruleYs(const RXLineChartLayout &layout)
{
    QList<qreal> ys;
    for (const QRectF &rule : layout.rules()) {
        ys.append(rule.y());
        // Every rule starts at 30, is one point high and a screen wide.
        if (rule.x() != 30 || rule.height() != 1 || rule.width() != kScreen)
            ys.append(-1);
    }
    return ys;
}

// A bubble as wide as its text has characters, 20 points high.
QSizeF fit(const QString &text)
{
    return QSizeF(text.size() * 8, 20);
}

} // namespace

class TestChartGeometry : public QObject
{
    Q_OBJECT

private slots:
    void pointDateReadsAsYearMonthDay()
    {
        const ChartViewModel point =
            ChartViewModel::ChartViewModelWithNav(1.0234, QStringLiteral("20151231"));
        QCOMPARE(point.nav, 1.0234);
        QCOMPARE(point.introduction, QString("2015年12月31日"));
        // A short date does not fail; it gives what is there.
        QCOMPARE(ChartViewModel::ChartViewModelWithNav(1, QStringLiteral("2015")).introduction,
                 QString("2015年月日"));
    }

    void chartKeepsTheLast720Days()
    {
        const QDateTime now(QDate(2026, 12, 6), QTime(10, 0));
        QCOMPARE(ChartViewModel::cutOffDate(now), QString("20241216"));
        QList<NetProductModel> records;
        for (const char *date : {"20261204", "20241215", "20241216", "20230101", "20250601"}) {
            NetProductModel record;
            record.w_jzrq = QString::fromLatin1(date);
            record.w_jz = QStringLiteral("1.%1").arg(record.w_jzrq.right(4));
            records.append(record);
        }
        const QList<ChartViewModel> points = ChartViewModel::chartSeries(records, now);
        QStringList dates;
        for (const ChartViewModel &p : points)
            dates.append(p.introduction);
        // Oldest first, the cut-off day included, the day before it left out.
        QCOMPARE(dates, (QStringList{"2024年12月16日", "2025年06月01日", "2026年12月04日"}));
        QCOMPARE(points.first().nav, 1.1216);
    }

    void allValuesEqualLieOnTheBottomLine()
    {
        const RXLineChartLayout layout = layoutOf({1.0, 1.0, 1.0, 1.0});
        for (const QPointF &dot : layout.dots())
            QCOMPARE(dot.y(), kHeight - 30);
        QCOMPARE(textsOf(layout.valueLabels()), (QStringList{"1.000", "1.000", "1.000"}));
    }

    void fourPoints()
    {
        const RXLineChartLayout layout = layoutOf({1.0, 1.2, 0.8, 1.1});
        // x spreads the points over W - 30 in single precision.
        const QList<QPointF> &dots = layout.dots();
        QCOMPARE(dots.size(), 4);
        QCOMPARE(dots.at(0).x(), 0.0);
        QCOMPARE(dots.at(1).x(), qreal(1.0f * 260.0f / 3.0f));
        QCOMPARE(dots.at(3).x(), 260.0);
        // The maximum at 50, the minimum at H - 30, the rest in proportion.
        QCOMPARE(dots.at(1).y(), 50.0);
        QCOMPARE(dots.at(2).y(), kHeight - 30);
        QVERIFY(qAbs(dots.at(0).y() - 110) < 1e-3);

        QCOMPARE(indicesOf(layout.dateLabels()), (QList<int>{0, 2, 3}));
        const auto &dates = layout.dateLabels();
        QCOMPARE(dates.at(0).frame, QRectF(20, kHeight - 25, kWidth / 3, 30));
        QCOMPARE(dates.at(0).alignment & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(dates.at(1).frame.center().x(), kScreen / 2);
        QCOMPARE(dates.at(1).alignment & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(dates.at(2).frame.right(), kScreen - 30);
        QCOMPARE(dates.at(2).alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(dates.at(1).text, QString("2016年01月12日"));

        QCOMPARE(indicesOf(layout.valueLabels()), (QList<int>{0, 2, 3}));
        QCOMPARE(textsOf(layout.valueLabels()), (QStringList{"1.200", "1.000", "0.800"}));
        const auto &values = layout.valueLabels();
        QCOMPARE(values.at(0).frame, QRectF(-10, 35, 100, 30));
        QCOMPARE(values.at(1).frame, QRectF(-10, kHeight * 0.5 - 10, 100, 30));
        QCOMPARE(values.at(2).frame, QRectF(-10, kHeight - 50, 100, 30));
        QCOMPARE(ruleYs(layout), (QList<qreal>{50, kHeight * 0.5 + 5, kHeight - 30}));

        // Three segments in a view 30 points right of the markers.
        QCOMPARE(layout.segments().size(), 3);
        QCOMPARE(layout.segmentFrame(), QRectF(30, 0, kWidth - 30, kHeight - 10));
        QCOMPARE(layout.segments().at(2).startPoint, dots.at(2));
        QCOMPARE(layout.segments().at(2).endPoint, dots.at(3));
        QCOMPARE(layout.overlayFrame(), QRectF(10, 10, kWidth, kHeight));
    }

    void lastPointTakesTheMiddlePlace_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<int>("last");
        QTest::newRow("two points") << QList<double>{1.0, 2.0} << 1;
        QTest::newRow("three points") << QList<double>{1.0, 3.0, 2.0} << 2;
    }

    void lastPointTakesTheMiddlePlace()
    {
        QFETCH(QList<double>, values);
        QFETCH(int, last);
        const RXLineChartLayout layout = layoutOf(values);
        QCOMPARE(indicesOf(layout.dateLabels()), (QList<int>{0, last}));
        QCOMPARE(layout.dateLabels().at(1).frame.center().x(), kScreen / 2);
        QCOMPARE(indicesOf(layout.valueLabels()), (QList<int>{0, last}));
        // The middle text, and no minimum label or rule.
        const double middle = (1.0 + (last == 1 ? 2.0 : 3.0)) * 0.5;
        QCOMPARE(layout.valueLabels().at(1).text, QString::number(middle, 'f', 3));
        QCOMPARE(ruleYs(layout), (QList<qreal>{50, kHeight * 0.5 + 5}));
        QCOMPARE(layout.segments().size(), last);
    }

    // Date labels never touch: the middle one moves clear of the first or goes.
    void dateLabelsNeverTouch_data()
    {
        QTest::addColumn<qreal>("screen");
        QTest::addColumn<qreal>("textWidth");
        QTest::addColumn<QList<int>>("labelled");
        // clang-format off
        QTest::newRow("roomy: all three")        << qreal(414) << qreal(60) << QList<int>{0, 3, 5};
        QTest::newRow("320 wide: middle moves")  << qreal(320) << qreal(80) << QList<int>{0, 3, 5};
        QTest::newRow("320 wide: middle goes")   << qreal(320) << qreal(96) << QList<int>{0, 5};
        QTest::newRow("very narrow: first only") << qreal(120) << qreal(96) << QList<int>{0};
        // clang-format on
    }

    void dateLabelsNeverTouch()
    {
        QFETCH(qreal, screen);
        QFETCH(qreal, textWidth);
        QFETCH(QList<int>, labelled);
        const RXLineChartLayout layout(series({1, 2, 3, 2, 1, 2}), QSizeF(screen - 30, kHeight),
                                       screen, [textWidth](const QString &) { return textWidth; });
        QCOMPARE(indicesOf(layout.dateLabels()), labelled);
        for (int i = 0; i + 1 < layout.dateLabels().size(); ++i)
            QVERIFY(layout.dateLabels().at(i).frame.right() <
                    layout.dateLabels().at(i + 1).frame.left());
    }

    void onePointStandsInTheMiddleAndReadsOut()
    {
        const RXLineChartLayout layout = layoutOf({1.5});
        QCOMPARE(layout.dots(), (QList<QPointF>{QPointF((kWidth - 30) / 2, kHeight - 30)}));
        QVERIFY(layout.segments().isEmpty());
        QCOMPARE(indicesOf(layout.dateLabels()), QList<int>{0});
        QCOMPARE(textsOf(layout.valueLabels()), QStringList{"1.500"});

        RXLineChartTouch touch(layout);
        const auto step = touch.handlePan(RXPanState::Began, 3, fit);
        QCOMPARE(step.index, 0);
        QCOMPARE(step.text, QString("1.50    "));
        QCOMPARE(step.touched, std::optional<qint32>(0));
        // As the first point: right of its marker.
        QCOMPARE(step.bubbleTo.left(), (kWidth - 30) / 2 - 7.5 + 10);
    }

    void noPointsNoGeometry()
    {
        const RXLineChartLayout layout = layoutOf({});
        QVERIFY(layout.isEmpty());
        QVERIFY(layout.dots().isEmpty());
        QVERIFY(layout.dateLabels().isEmpty());
        QVERIFY(layout.rules().isEmpty());
    }

    void snapping_data()
    {
        QTest::addColumn<QList<qreal>>("centers");
        QTest::addColumn<qreal>("line");
        QTest::addColumn<int>("index");
        QTest::newRow("nearest") << QList<qreal>{0, 10, 20} << qreal(13) << 1;
        QTest::newRow("tie: the earlier wins") << QList<qreal>{0, 10, 20} << qreal(15) << 1;
        QTest::newRow("tie at the start") << QList<qreal>{0, 10, 20} << qreal(5) << 0;
        QTest::newRow("past the end") << QList<qreal>{0, 10, 20} << qreal(400) << 2;
        QTest::newRow("strictly nearer wins") << QList<qreal>{0, 10} << qreal(5.5) << 1;
        // The best distance is kept as a whole number: within a point of the first marker,
        // nothing can beat it.
        QTest::newRow("truncated best") << QList<qreal>{0, 1} << qreal(0.9) << 0;
        QTest::newRow("none") << QList<qreal>{} << qreal(3) << -1;
    }

    void snapping()
    {
        QFETCH(QList<qreal>, centers);
        QFETCH(qreal, line);
        QFETCH(int, index);
        QList<QPointF> dots;
        for (qreal x : centers)
            dots.append(QPointF(x, 0));
        QCOMPARE(RXLineChartTouch::closestDotFromVerticalLine(dots, line), index);
    }

    void bubbleTextHasTwoDecimalsAndFourSpaces()
    {
        QCOMPARE(RXLineChartTouch::bubbleText(1.2), QString("1.20    "));
        // Rounded as C does: 0.125 is exact and goes to even.
        QCOMPARE(RXLineChartTouch::bubbleText(0.125), QString("0.12    "));
    }

    void dragEndingOnTheLastPoint()
    {
        const RXLineChartLayout layout = layoutOf({1.0, 1.2, 0.8, 1.1});
        RXLineChartTouch touch(layout);
        QCOMPARE(touch.curChoosedTag(), -1);

        auto step = touch.handlePan(RXPanState::Began, 100, fit);
        const QRectF dot1 = RXLineChartLayout::dotFrame(layout.dots().at(1));
        QCOMPARE(step.index, 1);
        QCOMPARE(step.text, QString("1.20    "));
        // It appears below and left of the marker, then glides above it, centred.
        QCOMPARE(step.bubbleFrom, QRectF(dot1.left() - 50, dot1.top() + 50, 64, 20));
        QCOMPARE(step.bubbleTo, QRectF(dot1.center().x() - 32, dot1.top() - 30, 64, 20));
        QCOMPARE(step.touched, std::optional<qint32>(1));
        QVERIFY(!step.released);

        step = touch.handlePan(RXPanState::Changed, 95, fit);
        QCOMPARE(step.index, 1);
        QVERIFY(!step.touched); // told once per point
        QCOMPARE(step.bubbleFrom, step.bubbleTo);

        step = touch.handlePan(RXPanState::Changed, 180, fit);
        QCOMPARE(step.touched, std::optional<qint32>(2));

        step = touch.handlePan(RXPanState::Ended, 258, fit);
        const QRectF dot3 = RXLineChartLayout::dotFrame(layout.dots().at(3));
        QCOMPARE(step.index, 3);
        QCOMPARE(step.touched, std::optional<qint32>(3));
        QCOMPARE(step.released, std::optional<qint32>(3));
        QCOMPARE(step.touchLine, QRectF(258, 0, 1, kHeight));
        // Left of the last point.
        QCOMPARE(step.bubbleTo.right(), dot3.left() - 10);
        QCOMPARE(step.bubbleTo.top(), dot3.top() - 30);
        QCOMPARE(touch.curChoosedTag(), 3);

        // Touching the same point again reports no new index, but the release still is.
        step = touch.handlePan(RXPanState::Began, 259, fit);
        QVERIFY(!step.touched);
        step = touch.handlePan(RXPanState::Ended, 259, fit);
        QCOMPARE(step.released, std::optional<qint32>(3));
    }

    void firstPointBubbleStandsRightOfIt()
    {
        const RXLineChartLayout layout = layoutOf({1.0, 1.2, 0.8, 1.1});
        RXLineChartTouch touch(layout);
        const auto step = touch.handlePan(RXPanState::Began, 2, fit);
        QCOMPARE(step.index, 0);
        QCOMPARE(step.bubbleTo.left(),
                 RXLineChartLayout::dotFrame(layout.dots().at(0)).left() + 10);
    }

    void frameAccessorsChangeOnlyWhatTheyName()
    {
        using namespace RXUIViewCtg;
        QRectF frame(10, 20, 100, 50);
        QCOMPARE(right(frame), 110.0);
        QCOMPARE(bottom(frame), 70.0);
        QCOMPARE(centerX(frame), 60.0);
        QCOMPARE(centerY(frame), 45.0);
        setRight(frame, 200);
        QCOMPARE(frame, QRectF(100, 20, 100, 50));
        setBottom(frame, 100);
        QCOMPARE(frame, QRectF(100, 50, 100, 50));
        setCenterX(frame, 0);
        setCenterY(frame, 0);
        QCOMPARE(frame, QRectF(-50, -25, 100, 50));
        setWidth(frame, 10);
        setLeft(frame, 1);
        setTop(frame, 2);
        QCOMPARE(frame, QRectF(1, 2, 10, 50));
        setOrigin(frame, QPointF(3, 4));
        setSize(frame, QSizeF(5, 6));
        QCOMPARE(origin(frame), QPointF(3, 4));
        QCOMPARE(size(frame), QSizeF(5, 6));
    }
};

QTEST_APPLESS_MAIN(TestChartGeometry)
#include "test_chart_geometry.moc"

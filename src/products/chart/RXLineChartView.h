#pragma once

#include "ChartViewModel.h"
#include "RXCircleDotView.h"
#include "RXLineChartLayout.h"
#include "RXLineChartTouch.h"
#include "RXLineView.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QLabel;
class QPropertyAnimation;
class QAbstractAnimation;
class QZView;
class RXLineChartViewDelegate;

// A series of net values as a line with three value rules (maximum, middle, minimum), three
// date labels along the bottom and a touch read-out: dragging across the chart moves a
// vertical line that snaps to the nearest point and shows its value in a bubble.
//
// The chart's geometry is its frame in the parent's coordinates. The widget reaches a little
// further than the frame on both sides, because the value labels start 10 points left of it,
// the last date label may end right of it, and a widget cannot draw outside itself;
// everything inside is placed in frame coordinates.
class RXLineChartView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qreal linesAlpha READ linesAlpha WRITE setLinesAlpha)

public:
    // How far the widget reaches left and right of the frame: the right date label ends
    // 30 points before the screen's edge, which can lie past the frame's right edge.
    static constexpr int kLeftBleed = 10;
    static constexpr int kRightBleed = 40;

    // The owner's frame, moved 30 points right and narrowed by as much.
    explicit RXLineChartView(const QRectF &frame, QWidget *parent = nullptr);
    ~RXLineChartView() override;

    QRectF frame() const { return m_frame; }
    void setFrame(const QRectF &frame);
    // The phone screen's width, which places the centre and right date labels; taken from the
    // phone window the chart is created in.
    qreal screenWidth() const { return m_screenWidth; }
    void setScreenWidth(qreal width) { m_screenWidth = width; }

    const QList<ChartViewModel> &chartInfos() const { return m_chartInfos; }
    // Stores the points (left to right) and rebuilds the chart.
    void setChartInfos(const QList<ChartViewModel> &chartInfos);

    // Held weakly when the delegate is a QObject.
    void setDelegate(RXLineChartViewDelegate *delegate);
    RXLineChartViewDelegate *delegate() const;

    // Kept for the owner; the segments fill with white.
    QColor topLineSpaceColor() const { return m_topLineSpaceColor; }
    void setTopLineSpaceColor(const QColor &color) { m_topLineSpaceColor = color; }
    QColor underLineSpaceColor() const { return m_underLineSpaceColor; }
    void setUnderLineSpaceColor(const QColor &color) { m_underLineSpaceColor = color; }

    const RXLineChartLayout &layout() const { return m_layout; }
    const QList<RXLineView> &lineViews() const { return m_lineViews; }
    const QList<RXCircleDotView> &dotViews() const { return m_dotViews; }
    QList<QLabel *> introductionLabels() const { return m_labels; }
    QZView *overlay() const;
    QWidget *touchFlowLineView() const;
    QLabel *touchNumLable() const;
    // The marker nearest the touch line; none before the first touch.
    const RXCircleDotView *touchedDot() const;
    qint32 curChoosedTag() const { return m_touch.curChoosedTag(); }
    qreal touchFlowLineAlpha() const;
    qreal touchNumLableAlpha() const;

    qreal linesAlpha() const { return m_linesAlpha; }
    void setLinesAlpha(qreal alpha);

    void reloadView();
    // One event of the pan; location in chart (frame) coordinates.
    void handlePan(RXPanState state, QPointF location);

    // A chart rectangle in this widget's coordinates.
    QRect toWidget(const QRectF &rect) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void reloadLinesAndDots();
    void reloadIntroductionLables();
    void addOverlay();
    void removeTouchViews();
    void createTouchViews();
    void showTouchStep(RXPanState state, const RXLineChartTouch::Step &step);
    void report(const RXLineChartTouch::Step &step);
    void paintLinesLayer();
    QLabel *addLabel(const RXLineChartLayout::Label &label);
    // Starts an animation in `slot`, replacing the one running there; with animations off
    // the property takes its end value at once.
    void animate(QPointer<QAbstractAnimation> &slot, QObject *target, const QByteArray &property,
                 const QVariant &to, int ms, int delayMs = 0);

    QRectF m_frame;
    qreal m_screenWidth;
    QList<ChartViewModel> m_chartInfos;
    RXLineChartViewDelegate *m_delegate = nullptr;
    QPointer<QObject> m_delegateObject; // set when the delegate is a QObject
    bool m_delegateIsObject = false;
    QColor m_topLineSpaceColor = Qt::black;
    QColor m_underLineSpaceColor = Qt::black;

    RXLineChartLayout m_layout;
    RXLineChartTouch m_touch;
    QList<RXLineView> m_lineViews;
    QList<RXCircleDotView> m_dotViews;
    QList<QLabel *> m_labels;
    QPixmap m_linesLayer; // the segments drawn once per series
    qreal m_linesAlpha = 0;
    int m_touchedDot = -1;

    QPointer<QZView> m_overlay;
    QPointer<QWidget> m_touchFlowLineView;
    QPointer<QLabel> m_touchNumLable;
    QPointer<QAbstractAnimation> m_linesFade;
    QPointer<QAbstractAnimation> m_lineFade;
    QPointer<QAbstractAnimation> m_bubbleFade;
    QPointer<QAbstractAnimation> m_bubbleMove;
};

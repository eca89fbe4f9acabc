#include "RXLineChartView.h"

// PhoneWindow.h needs ViewController complete.
#include "ViewController.h"

#include "Animations.h"
#include "PhoneWindow.h"
#include "QZView.h"
#include "RXLabelCtg.h"
#include "RXLineChartViewDelegate.h"
#include "RXUtil.h"

#include <QEasingCurve>
#include <QFontMetricsF>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPainter>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>

namespace {

constexpr int kTouchFadeMs = 200;
constexpr int kBubbleMoveMs = 200;
constexpr int kLinesFadeMs = 1500;
constexpr int kLinesDelayMs = 50;
constexpr qreal kTouchLineAlpha = 0.6;

QFont chartFont(int pixelSize)
{
    QFont font;
    // The phone's face where it is installed, else the client's own Chinese face.
    font.setFamilies({QStringLiteral("STHeitiSC-Light"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(pixelSize);
    return font;
}

QGraphicsOpacityEffect *opacityEffectOf(const QWidget *view)
{
    return view ? qobject_cast<QGraphicsOpacityEffect *>(view->graphicsEffect()) : nullptr;
}

// A child that draws but lets touches through to the overlay below it.
void makeDecoration(QWidget *view)
{
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->show();
}

} // namespace

RXLineChartView::RXLineChartView(const QRectF &frame, QWidget *parent)
    : QWidget(parent), m_screenWidth(PhoneWindow::of(parent) ? PhoneWindow::of(parent)->width()
                                                             : PhoneWindow::defaultSize().width())
{
    setObjectName(QStringLiteral("lineChartView"));
    setFrame(QRectF(frame.x() + 30, frame.y(), frame.width() - 30, frame.height()));
}

RXLineChartView::~RXLineChartView() = default;

void RXLineChartView::setFrame(const QRectF &frame)
{
    m_frame = frame;
    setGeometry(qRound(frame.x()) - kLeftBleed, qRound(frame.y()),
                qRound(frame.width()) + kLeftBleed + kRightBleed, qRound(frame.height()));
}

QRect RXLineChartView::toWidget(const QRectF &rect) const
{
    return rect.translated(kLeftBleed, 0).toRect();
}

void RXLineChartView::setChartInfos(const QList<ChartViewModel> &chartInfos)
{
    m_chartInfos = chartInfos;
    reloadView();
}

void RXLineChartView::setDelegate(RXLineChartViewDelegate *delegate)
{
    m_delegate = delegate;
    m_delegateObject = dynamic_cast<QObject *>(delegate);
    m_delegateIsObject = m_delegateObject != nullptr;
}

RXLineChartViewDelegate *RXLineChartView::delegate() const
{
    if (m_delegateIsObject && !m_delegateObject)
        return nullptr; // gone
    return m_delegate;
}

QZView *RXLineChartView::overlay() const
{
    return m_overlay;
}

QWidget *RXLineChartView::touchFlowLineView() const
{
    return m_touchFlowLineView;
}

QLabel *RXLineChartView::touchNumLable() const
{
    return m_touchNumLable;
}

const RXCircleDotView *RXLineChartView::touchedDot() const
{
    return m_touchedDot >= 0 && m_touchedDot < m_dotViews.size() ? &m_dotViews.at(m_touchedDot)
                                                                 : nullptr;
}

qreal RXLineChartView::touchFlowLineAlpha() const
{
    const QGraphicsOpacityEffect *effect = opacityEffectOf(m_touchFlowLineView);
    return effect ? effect->opacity() : 0;
}

qreal RXLineChartView::touchNumLableAlpha() const
{
    const QGraphicsOpacityEffect *effect = opacityEffectOf(m_touchNumLable);
    return effect ? effect->opacity() : 0;
}

void RXLineChartView::setLinesAlpha(qreal alpha)
{
    m_linesAlpha = alpha;
    update();
}

void RXLineChartView::reloadView()
{
    // Without points the chart stays blank and takes no touches.
    if (m_chartInfos.isEmpty())
        return;
    reloadLinesAndDots();
    reloadIntroductionLables();
    addOverlay();
}

void RXLineChartView::reloadLinesAndDots()
{
    const QFontMetricsF metrics(chartFont(12));
    m_layout = RXLineChartLayout(
        m_chartInfos, m_frame.size(), m_screenWidth,
        [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
    m_dotViews.clear();
    m_lineViews.clear();
    m_linesLayer = QPixmap();
    const QList<QPointF> &dots = m_layout.dots();
    m_dotViews.reserve(dots.size());
    for (int i = 0; i < dots.size(); ++i)
        m_dotViews.append(RXCircleDotView{RXLineChartLayout::dotFrame(dots.at(i)), i, true});

    const QColor lineColor = RXUtil::colorWithHexString(QStringLiteral("#0094de"));
    m_lineViews.reserve(m_layout.segments().size());
    for (const RXLineChartLayout::Segment &segment : m_layout.segments()) {
        m_lineViews.append(RXLineView{m_layout.segmentFrame(), segment.startPoint, segment.endPoint,
                                      Qt::white, Qt::white, lineColor, 1});
    }
    if (!m_lineViews.isEmpty()) {
        setLinesAlpha(0);
        animate(m_linesFade, this, "linesAlpha", 1.0, kLinesFadeMs, kLinesDelayMs);
    }
    update();
}

void RXLineChartView::reloadIntroductionLables()
{
    qDeleteAll(m_labels);
    m_labels.clear();
    for (const RXLineChartLayout::Label &label : m_layout.dateLabels())
        m_labels.append(addLabel(label));
    for (const RXLineChartLayout::Label &label : m_layout.valueLabels())
        m_labels.append(addLabel(label));
}

QLabel *RXLineChartView::addLabel(const RXLineChartLayout::Label &label)
{
    auto *view = new QLabel(this);
    RXLabelCtg::setText(view, label.text, chartFont(12), Qt::black);
    view->setAlignment(label.alignment);
    view->setGeometry(toWidget(label.frame));
    makeDecoration(view);
    return view;
}

void RXLineChartView::addOverlay()
{
    delete m_overlay;
    // A new series starts a new read-out: the bubble and line of the old one go, and the
    // first touch is reported again.
    removeTouchViews();
    m_touch = RXLineChartTouch(m_layout);
    m_touchedDot = -1;

    const QRectF frame = m_layout.overlayFrame();
    m_overlay = new QZView(this);
    m_overlay->setObjectName(QStringLiteral("chartTouchView"));
    m_overlay->setGeometry(toWidget(frame));
    connect(m_overlay, &QZView::panned, this, [this, frame](RXPanState state, QPointF position) {
        handlePan(state, position + frame.topLeft());
    });
    m_overlay->show();
}

void RXLineChartView::removeTouchViews()
{
    for (QPointer<QAbstractAnimation> *slot : {&m_lineFade, &m_bubbleFade, &m_bubbleMove}) {
        if (*slot)
            (*slot)->stop();
    }
    delete m_touchFlowLineView;
    delete m_touchNumLable;
}

void RXLineChartView::createTouchViews()
{
    if (m_touchFlowLineView && m_touchNumLable)
        return;
    auto *line = new QWidget(this);
    line->setObjectName(QStringLiteral("touchFlowLineView"));
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Qt::white);
    line->setPalette(palette);
    line->setGeometry(toWidget(QRectF(0, 0, 1, m_frame.height())));
    auto *lineAlpha = new QGraphicsOpacityEffect(line);
    lineAlpha->setOpacity(0);
    line->setGraphicsEffect(lineAlpha);
    makeDecoration(line);
    m_touchFlowLineView = line;

    auto *bubble = new QLabel(this);
    bubble->setObjectName(QStringLiteral("touchNumLable"));
    bubble->setAlignment(Qt::AlignCenter);
    bubble->setFont(chartFont(17));
    bubble->setStyleSheet(QStringLiteral("color: white; background: %1;")
                              .arg(RXUtil::colorWithHexString(QStringLiteral("#0094de")).name()));
    bubble->setGraphicsEffect(new QGraphicsOpacityEffect(bubble));
    makeDecoration(bubble);
    m_touchNumLable = bubble;
}

void RXLineChartView::handlePan(RXPanState state, QPointF location)
{
    if (m_layout.isEmpty())
        return;
    createTouchViews();
    const QFontMetricsF metrics(m_touchNumLable->font());
    const RXLineChartTouch::Step step =
        m_touch.handlePan(state, location.x(), [&metrics](const QString &text) {
            return QSizeF(metrics.horizontalAdvance(text), metrics.height());
        });
    showTouchStep(state, step);
    report(step);
}

void RXLineChartView::showTouchStep(RXPanState state, const RXLineChartTouch::Step &step)
{
    animate(m_bubbleFade, m_touchNumLable->graphicsEffect(), "opacity", 1.0, 0);
    m_touchFlowLineView->setGeometry(toWidget(step.touchLine));
    animate(m_lineFade, m_touchFlowLineView->graphicsEffect(), "opacity", kTouchLineAlpha,
            kTouchFadeMs);
    if (step.index < 0)
        return;
    m_touchedDot = step.index;
    m_touchNumLable->setText(step.text);
    if (m_bubbleMove)
        m_bubbleMove->stop();
    m_touchNumLable->setGeometry(toWidget(step.bubbleFrom));
    if (step.bubbleTo != step.bubbleFrom)
        animate(m_bubbleMove, m_touchNumLable, "geometry", toWidget(step.bubbleTo), kBubbleMoveMs);
    if (state == RXPanState::Ended) {
        animate(m_lineFade, m_touchFlowLineView->graphicsEffect(), "opacity", 0.0, kTouchFadeMs);
        animate(m_bubbleFade, m_touchNumLable->graphicsEffect(), "opacity", 0.0, kTouchFadeMs);
    }
}

void RXLineChartView::report(const RXLineChartTouch::Step &step)
{
    RXLineChartViewDelegate *listener = delegate();
    if (!listener)
        return;
    if (step.touched)
        listener->didTouchAreaWithIndex(*step.touched);
    if (step.released)
        listener->didReleaseAreaWithIndex(*step.released);
}

void RXLineChartView::animate(QPointer<QAbstractAnimation> &slot, QObject *target,
                              const QByteArray &property, const QVariant &to, int ms, int delayMs)
{
    if (slot)
        slot->stop();
    if (!Animations::enabled() || ms <= 0) {
        target->setProperty(property.constData(), to);
        return;
    }
    auto *animation = new QPropertyAnimation(target, property);
    animation->setDuration(ms);
    animation->setEndValue(to);
    // Fades ease out; the bubble's glide eases in and out.
    animation->setEasingCurve(property == "geometry" ? QEasingCurve::InOutQuad
                                                     : QEasingCurve::OutQuad);
    QAbstractAnimation *running = animation;
    if (delayMs > 0) {
        auto *group = new QSequentialAnimationGroup;
        group->addPause(delayMs);
        group->addAnimation(animation);
        running = group;
    }
    running->setParent(this);
    running->start(QAbstractAnimation::DeleteWhenStopped);
    slot = running;
}

void RXLineChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(kLeftBleed, 0);
    if (!m_lineViews.isEmpty() && m_linesAlpha > 0) {
        if (m_linesLayer.isNull())
            paintLinesLayer();
        painter.setOpacity(m_linesAlpha);
        painter.drawPixmap(m_layout.segmentFrame().topLeft(), m_linesLayer);
        painter.setOpacity(1);
    }
    const QColor ruleColor(170, 170, 170); // light grey
    for (const QRectF &rule : m_layout.rules())
        painter.fillRect(rule, ruleColor);
}

void RXLineChartView::paintLinesLayer()
{
    // Every segment shares the segment frame; drawn once per series, then only composited.
    const QRectF frame = m_layout.segmentFrame();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (frame.size() * ratio).toSize();
    if (pixels.isEmpty())
        return;
    QPixmap layer(pixels);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    for (const RXLineView &segment : std::as_const(m_lineViews))
        segment.drawRect(painter);
    painter.end();
    m_linesLayer = layer;
}

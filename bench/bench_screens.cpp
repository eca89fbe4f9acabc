// Every screen that can be opened by name, pushed onto a navigation stack: the time from
// the push to its first painted frame, offscreen and without animations. The demo gateway
// runs in the process, so a screen's requests are answered over loopback at once; each
// screen is opened once before it is measured, so that what it loads on first use (images,
// glyphs, its first answer) is at hand.
//
// Usage: bench_screens [opens per screen]   (default 5; the median is the screen's figure)
#include "Animations.h"
#include "AppConfig.h"
#include "BaseNavigationViewController.h"
#include "BenchSupport.h"
#include "ClientScreens.h"
#include "Constant.h"
#include "EmbeddedGateway.h"
#include "PhoneWindow.h"
#include "RootViewController.h"
#include "ScreenRegistry.h"
#include "SessionStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// Notes the first paint of anything on the watched screen.
class FirstPaint final : public QObject
{
public:
    void watch(QWidget *screen)
    {
        m_screen = screen;
        m_painted = false;
    }
    bool painted() const { return m_painted; }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_screen && !m_painted && event->type() == QEvent::Paint && watched->isWidgetType() &&
            (watched == m_screen || m_screen->isAncestorOf(static_cast<QWidget *>(watched))))
            m_painted = true;
        return false;
    }

private:
    QWidget *m_screen = nullptr;
    bool m_painted = false;
};

// Milliseconds from pushing a new `name` screen to the end of its first painted frame;
// -1 when it cannot be made or never paints.
double openOnce(BaseNavigationViewController *stack, FirstPaint *paint, const QString &name)
{
    QElapsedTimer clock;
    clock.start();
    QString error;
    ViewController *screen = ScreenRegistry::instance().create(name, {}, &error);
    if (!screen)
        return -1;
    paint->watch(screen);
    stack->pushViewController(screen, false);
    while (!paint->painted() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = paint->painted() ? clock.nsecsElapsed() / 1e6 : -1;
    paint->watch(nullptr);
    // Its answers arrive and it settles before it goes, as a screen does before its back.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 30)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    stack->popToRootViewControllerAnimated(false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The client's request log would drown the figures.
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.info=false;*.warning=false");
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(14);
    app.setFont(font);
    const int opens = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir data;
    AppConfig::setDataDir(data.path());
    Animations::setEnabled(false);
    EmbeddedGateway gateway;
    QString error;
    if (!gateway.start(&error)) {
        std::fprintf(stderr, "cannot start the demo gateway: %s\n", qPrintable(error));
        return 1;
    }
    registerClientScreens();
    // Signed in as the demo customer: the account screens close at once for nobody.
    const QZLoginModel customer =
        RecordMapper::map<QZLoginModel>({{"khbh", "100001"},
                                         {"khxm", QStringLiteral("王澄宇")},
                                         {"zjlx", "N"},
                                         {"zjhm", "310104198803162418"},
                                         {"sjhm", "13812345678"},
                                         {"khlx", "3"}});
    Constant::shareConstant()->setCurrentUser(customer);
    Constant::shareConstant()->setIsLogin(true);
    SessionStore::storeMyDic(customer);

    PhoneWindow window;
    auto *stack = new BaseNavigationViewController(new RootViewController);
    window.setRootViewController(stack);
    window.show();
    FirstPaint paint;
    app.installEventFilter(&paint);

    struct Figure
    {
        QString name;
        BenchSupport::Spread spread;
    };
    QList<Figure> figures;
    QStringList failed;
    for (const QString &name : ScreenRegistry::instance().classNames()) {
        if (openOnce(stack, &paint, name) < 0) {
            failed.append(name);
            continue;
        }
        QList<double> times;
        for (int i = 0; i < opens; ++i)
            times.append(openOnce(stack, &paint, name));
        figures.append({name, BenchSupport::spreadOf(times)});
    }
    std::sort(figures.begin(), figures.end(),
              [](const Figure &a, const Figure &b) { return a.spread.median > b.spread.median; });
    std::printf("%lld screens, %d opens each after one unmeasured open\n",
                qlonglong(figures.size()), opens);
    QList<double> medians;
    for (const Figure &figure : figures)
        medians.append(figure.spread.median);
    const BenchSupport::Spread all = BenchSupport::spreadOf(medians);
    BenchSupport::report(QStringLiteral("slowest screen's first frame after its push (%1)")
                             .arg(figures.isEmpty() ? QString() : figures.first().name),
                         {all.max, all.max, all.max}, 16, QStringLiteral("ms"));
    std::printf("the slowest five:\n");
    for (qsizetype i = 0; i < std::min<qsizetype>(5, figures.size()); ++i)
        BenchSupport::report(QStringLiteral("  ") + figures.at(i).name, figures.at(i).spread, 16,
                             QStringLiteral("ms"));
    BenchSupport::report(QStringLiteral("first frame after the push, all screens"), all, 16,
                         QStringLiteral("ms"));
    // A screen that closes itself as it opens (nothing to show) has no frame of its own.
    if (!failed.isEmpty())
        std::printf("never painted (closed at once): %s\n", qPrintable(failed.join(", ")));
    return 0;
}

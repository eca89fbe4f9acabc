// The securities-trust detail and its net-value history against the demo gateway: the rows
// and figures, the chart of the last 720 days, the booking button for every state, booking
// with the amount sent as typed, booking by telephone, and the history newest first.
#include "AlertController.h"
#include "AppConfig.h"
#include "BaseNavigationViewController.h"
#include "BookingFormDriver.h"
#include "ChartViewModel.h"
#include "Constant.h"
#include "NavigationItem.h"
#include "NetworkActivityIndicator.h"
#include "NotificationCenter.h"
#include "PhoneWindow.h"
#include "ProductScreens.h"
#include "QZTrustDetailViewController.h"
#include "QZView.h"
#include "RXLineChartView.h"
#include "RecordMapper.h"
#include "RequestSpy.h"
#include "ScreenRegistry.h"
#include "SessionStore.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "Telephone.h"
#include "TestGateway.h"
#include "TestPhone.h"
#include "Toast.h"
#include "TrustHistoryViewController.h"
#include "TrustViewController.h"
#include "UiColor.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kNetValues = QStringLiteral("164012");
const QString kBookingAction = QStringLiteral("166003");
const QString kNoNetwork = QStringLiteral("您还没有连接到网络");
const QString kCustomer1 = QStringLiteral("100001");

void sendMouse(QWidget *widget, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestTrustDetail : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("chenglan.*.debug=false"));
        registerProductScreens();
    }

    void init()
    {
        m_gateway = std::make_unique<TestGateway>();
        // The client's clock on the gateway's day, so the chart's two years end at its data.
        AppConfig::setNow(QDateTime(m_gateway->gateway().today(), QTime(10, 0)));
        m_requests =
            std::make_unique<QSignalSpy>(&m_gateway->gateway(), &DemoGateway::requestReceived);
        m_toasts = std::make_unique<QSignalSpy>(ToastEvents::instance(), &ToastEvents::shown);
        m_window = std::make_unique<PhoneWindow>();
        m_nav = showInActivePhone(*m_window, new RootViewController);
        QVERIFY(m_nav);
    }

    void cleanup()
    {
        m_window.reset();
        m_toasts.reset();
        m_requests.reset();
        m_gateway.reset();
        AppConfig::setNow(std::nullopt);
        Telephone::setHandler({});
    }

    // ---- rows, figures and the request ----

    void rowsAndFigures()
    {
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        QCOMPARE(detail->title(), QString("证券信托产品"));
        QVERIFY(detail->navigationItem()->leftWidget());
        const TrustProductModel p = product("ZQ001");
        QCOMPARE(label(detail, "cpmcLabel"), p.w_cpmc);
        QCOMPARE(label(detail, "newestLabel"), netValues("ZQ001").last().w_jz);
        QCOMPARE(label(detail, "detailLabel"), QString("100万元"));
        QCOMPARE(label(detail, "zjrgqdLabel"), p.w_xtqx);
        QCOMPARE(label(detail, "zjrgkfrLabel"), QString("到期分配"));

        auto *table = detail->findChild<TableView *>("tableView");
        QCOMPARE(table->numberOfRowsInSection(0), 4);
        const QList<QPair<QString, QString>> rows{
            {"产品名称", p.w_cpmc}, {"发行规模", "10000万元"}, {"产品介绍", p.w_cpjs}};
        for (int row = 1; row <= 3; ++row) {
            TableViewCell *cell = cellAt(table, row);
            QVERIFY(cell);
            QCOMPARE(visibleLabel(cell, "nameLabel"), rows.at(row - 1).first);
            QCOMPARE(visibleLabel(cell, "containLabel"), rows.at(row - 1).second);
            QVERIFY(!cell->findChild<QLabel *>("titleLabel")->isVisibleTo(cell));
            QCOMPARE(table->rectForRowAtIndexPath({0, row}).height(), 71);
        }
        TableViewCell *first = cellAt(table, 0);
        QVERIFY(first->findChild<QLabel *>("titleLabel")->isVisibleTo(first));
        QVERIFY(!first->findChild<QLabel *>("nameLabel")->isVisibleTo(first));
        // Selecting a row only deselects it.
        table->tapRowAtIndexPath({0, 2});
        QVERIFY(!table->indexPathForSelectedRow());
        QCOMPARE(m_nav->topViewController(), detail);

        const QList<SentRequest> sent = sentWith(*m_requests, kNetValues);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().params, (QJsonObject{{"w_cpdm", "ZQ001"}}));
        QCOMPARE(sent.first().paramsExt,
                 (QJsonObject{{"row_count", "1000"},
                              {"row_offset", "0"},
                              {"orderby", QJsonObject{{"w_jzrq", "asc"}}}}));
    }

    void issueSizeAndStartingAmount_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("w_xtgm");
        QTest::addColumn<QString>("fxgm");
        QTest::addColumn<QString>("w_qdje");
        QTest::addColumn<QString>("start");
        QTest::newRow("whole ten-thousands") << "ZQ001"
                                             << "100000000"
                                             << "10000万元"
                                             << "1000000"
                                             << "100万元";
        QTest::newRow("ten thousand") << "ZQ003"
                                      << "10000"
                                      << "1万元"
                                      << "1000000"
                                      << "100万元";
        QTest::newRow("a remainder") << "ZQ004"
                                     << "15000"
                                     << "1.5000万元"
                                     << "50000"
                                     << "5万元";
        QTest::newRow("start below ten thousand") << "ZQ007"
                                                  << "300000000"
                                                  << "30000万元"
                                                  << "9999"
                                                  << "9999元";
        QTest::newRow("start remainder dropped") << "ZQ008"
                                                 << "300000000"
                                                 << "30000万元"
                                                 << "15000"
                                                 << "1万元";
        QTest::newRow("other sizes") << "ZQ002"
                                     << "12345"
                                     << "1.2345万元"
                                     << "10000"
                                     << "1万元";
        QTest::newRow("size below ten thousand") << "ZQ002"
                                                 << "9999"
                                                 << "9999元"
                                                 << "1000000"
                                                 << "100万元";
    }

    void issueSizeAndStartingAmount()
    {
        QFETCH(QString, code);
        QFETCH(QString, w_xtgm);
        QFETCH(QString, fxgm);
        QFETCH(QString, w_qdje);
        QFETCH(QString, start);
        TrustProductModel p = product(code);
        // The demo's own figures where it has them, edited otherwise.
        if (p.w_xtgm != w_xtgm || p.w_qdje != w_qdje)
            QVERIFY(code == "ZQ002");
        p.w_xtgm = w_xtgm;
        p.w_qdje = w_qdje;
        QZTrustDetailViewController *detail = openLoaded(p);
        QCOMPARE(detail->fxgm(), fxgm);
        auto *table = detail->findChild<TableView *>("tableView");
        QCOMPARE(visibleLabel(cellAt(table, 2), "containLabel"), fxgm);
        QCOMPARE(label(detail, "detailLabel"), start);
    }

    // ---- the chart and the history ----

    void chartHoldsTheLast720DaysAndTheHistoryAll()
    {
        const QList<NetProductModel> all = netValues("ZQ001");
        // Three years of values, so the chart leaves the oldest out.
        QVERIFY(all.size() > 700);
        QVERIFY(all.first().w_jzrq.toInt() <
                m_gateway->gateway().today().addDays(-1000).toString("yyyyMMdd").toInt());

        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        QCOMPARE(detail->jzDataArray().size(), all.size());
        RXLineChartView *chart = detail->lineChartView();
        QVERIFY(chart);
        QCOMPARE(chart->parentWidget(), detail->findChild<QWidget *>("chartView"));
        QCOMPARE(
            detail->findChild<QWidget *>("chartView")->findChildren<RXLineChartView *>().size(), 1);

        const QString cutOff = m_gateway->gateway().today().addDays(-720).toString("yyyyMMdd");
        QList<NetProductModel> recent;
        for (const NetProductModel &v : all) {
            if (v.w_jzrq >= cutOff)
                recent.append(v);
        }
        QVERIFY(recent.size() < all.size());
        const QList<ChartViewModel> &points = chart->chartInfos();
        QCOMPARE(points.size(), recent.size());
        QCOMPARE(points.first().introduction,
                 ChartViewModel::ChartViewModelWithNav(0, recent.first().w_jzrq).introduction);
        QCOMPARE(points.last().nav, recent.last().w_jz.toDouble());

        // Centred on the screen, the owner's colours, the screen as its delegate.
        QCOMPARE(chart->frame().center().x(), m_window->width() / 2.0);
        QCOMPARE(chart->frame().width(), detail->findChild<QWidget *>("chartView")->width() - 30.0);
        QCOMPARE(chart->topLineSpaceColor(), QColor(Qt::white));
        QCOMPARE(chart->underLineSpaceColor(), UiColor::colorWithRed(163, 217, 243));
        QCOMPARE(chart->delegate(), static_cast<RXLineChartViewDelegate *>(detail));

        // A tap on the chart opens the history with every value, newest first.
        QTest::mouseClick(chart->overlay(), Qt::LeftButton, {}, QPoint(100, 80));
        auto *history = qobject_cast<TrustHistoryViewController *>(m_nav->topViewController());
        QVERIFY(history);
        QCOMPARE(history->title(), QString("净值详情"));
        QCOMPARE(history->jzDataArray().size(), all.size());
        auto *table = history->findChild<TableView *>("tableView");
        QCOMPARE(table->numberOfRowsInSection(0), all.size());
        TableViewCell *newest = cellAt(table, 0);
        QCOMPARE(newest->texts(), (QStringList{formatted(all.last().w_jzrq), all.last().w_jz}));
        TableViewCell *oldest = cellAt(table, int(all.size()) - 1);
        QVERIFY(oldest);
        QCOMPARE(oldest->texts(), (QStringList{formatted(all.first().w_jzrq), all.first().w_jz}));
        QCOMPARE(label(history, "dateCaption"), QString("净值日期"));
        QCOMPARE(label(history, "valueCaption"), QString("净值"));
        QCOMPARE(history->findChild<QWidget *>("headView")->height(), 45);
    }

    void dragOnTheChartReadsOutAndOpensNothing()
    {
        QZTrustDetailViewController *detail = openLoaded(product("ZQ009"));
        RXLineChartView *chart = detail->lineChartView();
        QZView *overlay = chart->overlay();
        sendMouse(overlay, QEvent::MouseButtonPress, QPointF(40, 80), Qt::LeftButton);
        sendMouse(overlay, QEvent::MouseMove, QPointF(120, 80), Qt::LeftButton);
        sendMouse(overlay, QEvent::MouseMove, QPointF(150, 80), Qt::LeftButton);

        // The read-out shows the value of the point under the line.
        QLabel *bubble = chart->touchNumLable();
        QVERIFY(bubble && bubble->isVisible());
        QCOMPARE(chart->touchNumLableAlpha(), 1.0);
        const int index = chart->touchedDot()->tag;
        QCOMPARE(bubble->text(), QString::asprintf("%.2f    ", chart->chartInfos().at(index).nav));
        const QImage shot = m_window->grab().toImage();
        const QPoint corner = bubble->mapTo(m_window.get(), QPoint(1, 1));
        QCOMPARE(QColor(shot.pixel(corner)), QColor(0x00, 0x94, 0xde));
        const QString dir = qEnvironmentVariable("CHENGLAN_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            QVERIFY(shot.save(QDir(dir).filePath("trust-chart-readout.png")));

        sendMouse(overlay, QEvent::MouseButtonRelease, QPointF(150, 80), Qt::NoButton);
        QCOMPARE(chart->touchNumLableAlpha(), 0.0);
        QCOMPARE(m_nav->topViewController(), detail); // a drag is no tap
    }

    void noNetValues()
    {
        QZTrustDetailViewController *detail = openDetail(product("ZQ011"));
        QTRY_VERIFY(detail->lineChartView());
        QVERIFY(detail->jzDataArray().isEmpty());
        QCOMPARE(toastTexts(), QStringList{"没有相关净值产品数据啦！"});
        QCOMPARE(m_toasts->first().at(1).toDouble(), 1.5);
        QCOMPARE(label(detail, "newestLabel"), QString());
        QVERIFY(detail->lineChartView()->chartInfos().isEmpty());
        QVERIFY(!detail->lineChartView()->overlay()); // blank and untouchable
        QCOMPARE(label(detail, "detailLabel"), QString("100万元"));
    }

    void signedInSeriesIsNotDoubled()
    {
        signIn();
        QZTrustDetailViewController *detail = openDetail(product("ZQ009"));
        // Asked once on loading, not again on the first appearance.
        QTRY_COMPARE(sentWith(*m_requests, kNetValues).size(), 1);
        QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
        QTRY_COMPARE(detail->jzDataArray().size(), netValues("ZQ009").size());
        QCOMPARE(
            detail->findChild<QWidget *>("chartView")->findChildren<RXLineChartView *>().size(), 1);
        // One tap, one history.
        QTest::mouseClick(detail->lineChartView()->overlay(), Qt::LeftButton, {}, QPoint(60, 60));
        QVERIFY(qobject_cast<TrustHistoryViewController *>(m_nav->topViewController()));
        QCOMPARE(m_nav->viewControllers().size(), 3);
    }

    void networkFailureKeepsWhatIsShown()
    {
        signIn();
        QZTrustDetailViewController *detail = openDetail(product("ZQ001"));
        QTRY_COMPARE(sentWith(*m_requests, kNetValues).size(), 1);
        QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
        QTRY_VERIFY(!detail->jzDataArray().isEmpty());
        RXLineChartView *chart = detail->lineChartView();
        const QString newest = label(detail, "newestLabel");

        m_gateway->gateway().setFault(kNetValues, GatewayFault::drop());
        QTest::mouseClick(chart->overlay(), Qt::LeftButton, {}, QPoint(60, 60));
        m_nav->popViewControllerAnimated(false); // appearing again asks again
        QTRY_VERIFY(AlertController::frontMost(m_window.get()));
        QCOMPARE(AlertController::frontMost(m_window.get())->message(), kNoNetwork);
        QCOMPARE(detail->lineChartView(), chart);
        QCOMPARE(label(detail, "newestLabel"), newest);
        QCOMPARE(detail->jzDataArray().size(), netValues("ZQ001").size());
        QCOMPARE(yuyue(detail)->text(), QString("立即预约"));
    }

    // ---- the booking button ----

    void bookingButton_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("w_xszt");
        QTest::addColumn<QString>("w_zt");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<bool>("widened");
        QTest::newRow("on sale") << "ZQ001"
                                 << ""
                                 << "" << false << "立即预约" << true << false;
        QTest::newRow("on sale, signed in") << "ZQ001"
                                            << ""
                                            << "" << true << "立即预约" << true << false;
        QTest::newRow("open for booking: running") << "ZQ003"
                                                   << ""
                                                   << "" << false << "存续中" << false << true;
        QTest::newRow("running, signed in") << "ZQ005"
                                            << ""
                                            << "" << true << "存续中" << false << true;
        QTest::newRow("sold out") << "ZQ006"
                                  << ""
                                  << "" << false << "售完" << false << true;
        QTest::newRow("plan terminated") << "ZQ002"
                                         << "1"
                                         << "2" << false << "计划终止" << false << true;
        QTest::newRow("plan failed") << "ZQ002"
                                     << "1"
                                     << "3" << false << "计划失败" << false << true;
        QTest::newRow("other state keeps the title")
            << "ZQ002"
            << "4"
            << "1" << false << "立即预约" << false << false;
    }

    void bookingButton()
    {
        QFETCH(QString, code);
        QFETCH(QString, w_xszt);
        QFETCH(QString, w_zt);
        QFETCH(bool, signedIn);
        QFETCH(QString, title);
        QFETCH(bool, usable);
        QFETCH(bool, widened);
        if (signedIn)
            signIn();
        TrustProductModel p = product(code);
        if (!w_xszt.isEmpty()) {
            p.w_xszt = w_xszt;
            p.w_zt = w_zt;
        }
        QZTrustDetailViewController *detail = openLoaded(p);
        QPushButton *button = yuyue(detail);
        QCOMPARE(button->text(), title);
        QCOMPARE(button->isEnabled(), usable);
        QCOMPARE(button->property("usable").toBool(), usable);
        QCOMPARE(detail->findChild<QPushButton *>("teleyuyueButton")->isVisibleTo(detail), usable);
        QCOMPARE(detail->findChild<QWidget *>("footView")->height(), widened ? 80 : 60);
    }

    // ---- booking ----

    void signedOutBookingAsksToSignIn()
    {
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        QTest::mouseClick(yuyue(detail), Qt::LeftButton);
        AlertController *question = AlertController::frontMost(m_window.get());
        QVERIFY(question);
        QCOMPARE(question->title(), QString("您尚未登录，是否现在登录！"));
        QCOMPARE(question->actionTitles(), (QStringList{"确定", "取消"}));
        QVERIFY(question->tapAction("确定"));
        QCOMPARE(QString(m_nav->topViewController()->metaObject()->className()),
                 QString("LoginViewController"));
    }

    void bookingSendsTheAmountAsTyped()
    {
        signIn();
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        AlertController *form = openForm(detail);
        QVERIFY(form);
        // Placeholders rather than captions, and no length limit.
        QCOMPARE(form->textFields().at(0)->placeholderText(), QString("预约金额(万元)"));
        QCOMPARE(form->textFields().at(1)->placeholderText(), QString("预约电话"));
        QVERIFY(form->textFields().at(0)->findChildren<QLabel *>().isEmpty());
        QCOMPARE(form->textFields().at(0)->maxLength(), QLineEdit().maxLength());
        // 50 is below the starting amount of 100万元, which is not checked here.
        BookingFormDriver::fill(form, "50", "13812345678");
        QVERIFY(form->tapAction("立即预约"));

        QTRY_COMPARE(sentWith(*m_requests, kBookingAction).size(), 1);
        QCOMPARE(sentWith(*m_requests, kBookingAction).first().params,
                 (QJsonObject{{"action", "A"},
                              {"khbh", kCustomer1},
                              {"cpdm", "ZQ001"},
                              {"yyje", "50"},
                              {"yydh", "13812345678"},
                              {"yyzt", "2"},
                              {"system_type", "3"},
                              {"back_content", ""},
                              {"yysj", ""},
                              {"id", ""}}));
        QCOMPARE(sentWith(*m_requests, kBookingAction).first().paramsExt, QJsonObject());
        QTRY_VERIFY(toastTexts().contains("产品预约成功"));
        QCOMPARE(m_toasts->last().at(1).toDouble(), 0.25);
        // The button stays as it was.
        QCOMPARE(yuyue(detail)->text(), QString("立即预约"));
        QVERIFY(yuyue(detail)->isEnabled());
        QVERIFY(!AlertController::frontMost(m_window.get()));
    }

    void formChecks_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("message");
        QTest::newRow("no amount") << ""
                                   << "13812345678"
                                   << "您还没有输入金额";
        QTest::newRow("amount without digits") << "abc"
                                               << "13812345678"
                                               << "请在金额栏输入数字内容";
        QTest::newRow("not a mobile number") << "50"
                                             << "12345"
                                             << "请填写正确的手机号码";
    }

    void formChecks()
    {
        QFETCH(QString, amount);
        QFETCH(QString, phone);
        QFETCH(QString, message);
        signIn();
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        AlertController *form = openForm(detail);
        QVERIFY(form);
        BookingFormDriver::fill(form, amount, phone);
        QVERIFY(form->tapAction("立即预约"));
        AlertController *alert = AlertController::frontMost(m_window.get());
        QVERIFY(alert);
        QCOMPARE(alert->message(), message);
        QCOMPARE(sentWith(*m_requests, kBookingAction).size(), 0);
    }

    void refusedAndFailedBookings_data()
    {
        QTest::addColumn<bool>("drop");
        QTest::addColumn<QString>("message");
        QTest::newRow("refused") << false << "该产品暂不接受预约";
        QTest::newRow("no network") << true << kNoNetwork;
    }

    void refusedAndFailedBookings()
    {
        QFETCH(bool, drop);
        QFETCH(QString, message);
        signIn();
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        m_gateway->gateway().setFault(kBookingAction,
                                      drop ? GatewayFault::drop() : GatewayFault::refuse(message));
        AlertController *form = openForm(detail);
        QVERIFY(form);
        BookingFormDriver::fill(form, "50", "13812345678");
        QVERIFY(form->tapAction("立即预约"));
        QTRY_VERIFY(AlertController::frontMost(m_window.get()));
        QCOMPARE(AlertController::frontMost(m_window.get())->message(), message);
        QVERIFY(!toastTexts().contains("产品预约成功"));
    }

    void telephoneBookingDialsTheHotline()
    {
        QStringList dialled;
        Telephone::setHandler([&dialled](const QString &url) {
            dialled.append(url);
            return true;
        });
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        QTest::mouseClick(detail->findChild<QPushButton *>("teleyuyueButton"), Qt::LeftButton);
        AlertController *ask = AlertController::frontMost(m_window.get());
        QVERIFY(ask);
        QCOMPARE(ask->title(),
                 QStringLiteral("立即拨打%1预约产品").arg(AppConfig::hotlineDisplay()));
        QCOMPARE(ask->actionTitles(), (QStringList{"呼叫", "取消"}));
        QVERIFY(ask->tapAction("呼叫"));
        QCOMPARE(dialled, QStringList{"tel://" + AppConfig::hotline()});
    }

    // ---- navigation ----

    void backPostsHiddenOnBothScreens()
    {
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        QTest::mouseClick(detail->lineChartView()->overlay(), Qt::LeftButton, {}, QPoint(60, 60));
        ViewController *history = m_nav->topViewController();
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        static_cast<RootViewController *>(history)->LeftNavigationButtonClick();
        QCOMPARE(posted.size(), 1);
        QCOMPARE(posted.first().at(0).toString(), QString("hidden"));
        QCOMPARE(posted.first().at(1).value<QObject *>(), history);
        QTRY_COMPARE(m_nav->topViewController(), detail);
        detail->LeftNavigationButtonClick();
        QCOMPARE(posted.size(), 2);
        QCOMPARE(posted.last().at(0).toString(), QString("hidden"));
        QCOMPARE(posted.last().at(1).value<QObject *>(), detail);
        QTRY_COMPARE(m_nav->viewControllers().size(), 1);
    }

    void securitiesListRowsOpenTheDetail()
    {
        auto *list = new TrustViewController;
        m_nav->pushViewController(list, false);
        auto *table = list->findChild<TableView *>("tableView");
        QTRY_VERIFY(table->numberOfRowsInSection(0) > 0);
        table->tapRowAtIndexPath({0, 0});
        auto *detail = qobject_cast<QZTrustDetailViewController *>(m_nav->topViewController());
        QVERIFY(detail);
        QCOMPARE(detail->jzmodel().w_cpdm, list->dataArray().first().w_cpdm);
        QCOMPARE(detail->jzmodel().zxjz, list->dataArray().first().zxjz);
        QTRY_VERIFY(!detail->jzDataArray().isEmpty());
    }

    void bothScreensOpenByName()
    {
        QString error;
        ViewController *screen = ScreenRegistry::instance().create(
            "QZTrustDetailViewController",
            {{"jzmodel", QJsonObject{{"w_cpdm", "ZQ009"}, {"w_xtgm", "15000"}}}}, &error);
        QVERIFY2(screen, qPrintable(error));
        auto *detail = qobject_cast<QZTrustDetailViewController *>(screen);
        QCOMPARE(detail->jzmodel().w_cpdm, QString("ZQ009"));
        delete screen;

        const QJsonArray records{QJsonObject{{"w_jzrq", "20151231"}, {"w_jz", "1.0234"}},
                                 QJsonObject{{"w_jzrq", "20160105"}, {"w_jz", "1.0301"}}};
        screen = ScreenRegistry::instance().create("TrustHistoryViewController",
                                                   {{"jzDataArray", records}}, &error);
        QVERIFY2(screen, qPrintable(error));
        auto *history = qobject_cast<TrustHistoryViewController *>(screen);
        m_nav->pushViewController(history, false);
        auto *table = history->findChild<TableView *>("tableView");
        QCOMPARE(table->numberOfRowsInSection(0), 2);
        QCOMPARE(table->cellForRowAtIndexPath({0, 0})->texts(),
                 (QStringList{"2016-01-05", "1.0301"}));
        QCOMPARE(table->cellForRowAtIndexPath({0, 1})->texts(),
                 (QStringList{"2015-12-31", "1.0234"}));
    }

private:
    TrustProductModel product(const QString &code) const
    {
        for (const QJsonObject &record : m_gateway->gateway().records("products")) {
            if (record.value("w_cpdm").toString() == code)
                return RecordMapper::map<TrustProductModel>(record);
        }
        return {};
    }

    QList<NetProductModel> netValues(const QString &code) const
    {
        QList<NetProductModel> values;
        for (const QJsonObject &record : m_gateway->gateway().records("net_values")) {
            if (record.value("w_cpdm").toString() == code)
                values.append(RecordMapper::map<NetProductModel>(record));
        }
        std::stable_sort(
            values.begin(), values.end(),
            [](const NetProductModel &a, const NetProductModel &b) { return a.w_jzrq < b.w_jzrq; });
        return values;
    }

    void signIn()
    {
        SessionStore::beginSession(
            RecordMapper::map<QZLoginModel>(m_gateway->gateway().customer(kCustomer1)));
    }

    QZTrustDetailViewController *openDetail(const TrustProductModel &p)
    {
        auto *detail = new QZTrustDetailViewController;
        detail->setJzmodel(p);
        m_nav->pushViewController(detail, false);
        return detail;
    }

    // Opened, with every answer of the net values in.
    QZTrustDetailViewController *openLoaded(const TrustProductModel &p)
    {
        QZTrustDetailViewController *detail = openDetail(p);
        const bool loaded = QTest::qWaitFor(
            [&]() {
                return sentWith(*m_requests, kNetValues).size() == 1 &&
                       !NetworkActivityIndicator::instance()->isVisible() &&
                       detail->lineChartView();
            },
            5000);
        return loaded ? detail : nullptr;
    }

    AlertController *openForm(QZTrustDetailViewController *detail)
    {
        return BookingFormDriver::open(m_window.get(), detail);
    }

    QStringList toastTexts() const
    {
        QStringList texts;
        for (const QList<QVariant> &toast : *m_toasts)
            texts.append(toast.at(0).toString());
        return texts;
    }

    static TableViewCell *cellAt(TableView *table, int row)
    {
        table->scrollToRowAtIndexPath({0, row});
        return table->cellForRowAtIndexPath({0, row});
    }

    static QString formatted(const QString &jzrq)
    {
        return jzrq.left(4) + '-' + jzrq.mid(4, 2) + '-' + jzrq.mid(6, 2);
    }

    static QPushButton *yuyue(QWidget *detail)
    {
        return detail->findChild<QPushButton *>("yuyueButton");
    }

    static QString label(QWidget *screen, const char *name)
    {
        auto *l = screen ? screen->findChild<QLabel *>(name) : nullptr;
        return l ? l->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
    }

    static QString visibleLabel(QWidget *cell, const char *name)
    {
        auto *l = cell ? cell->findChild<QLabel *>(name) : nullptr;
        if (!l)
            return QStringLiteral("<no %1>").arg(QLatin1String(name));
        return l->isVisibleTo(cell) ? l->text()
                                    : QStringLiteral("<hidden %1>").arg(QLatin1String(name));
    }

    std::unique_ptr<TestGateway> m_gateway;
    std::unique_ptr<QSignalSpy> m_requests;
    std::unique_ptr<QSignalSpy> m_toasts;
    std::unique_ptr<PhoneWindow> m_window;
    BaseNavigationViewController *m_nav = nullptr;
};

QTEST_MAIN(TestTrustDetail)
#include "test_trust_detail.moc"

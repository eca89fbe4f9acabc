// The securities-trust detail against the demo gateway: its figures and rows, the net-value
// chart with its read-out and history, the booking button, and booking with the amount as
// typed. What it shares with the product detail (the sign-in question, the refusals, the
// telephone booking) is tested there.
#include "AlertController.h"
#include "AppConfig.h"
#include "BaseNavigationViewController.h"
#include "BookingFormDriver.h"
#include "ChartViewModel.h"
#include "NetworkActivityIndicator.h"
#include "NotificationCenter.h"
#include "PhoneWindow.h"
#include "ProductScreens.h"
#include "QZTrustDetailViewController.h"
#include "QZView.h"
#include "RXLineChartView.h"
#include "RecordMapper.h"
#include "ScreenFixture.h"
#include "ScreenRegistry.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "TrustHistoryViewController.h"
#include "TrustViewController.h"
#include "UiColor.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace ScreenProbe;

namespace {

const QString kNetValues = QStringLiteral("164012");
const QString kBookingAction = QStringLiteral("166003");

void sendMouse(QWidget *widget, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QString formatted(const QString &jzrq)
{
    return jzrq.left(4) + '-' + jzrq.mid(4, 2) + '-' + jzrq.mid(6, 2);
}

} // namespace

class TestTrustDetail final : public QObject
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
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
        // The client's clock on the gateway's day, so the chart's two years end at its data.
        AppConfig::setNow(QDateTime(m_phone->gateway().today(), QTime(10, 0)));
    }
    void cleanup()
    {
        m_phone.reset();
        AppConfig::setNow(std::nullopt);
    }

    void rowsAndFigures()
    {
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        QCOMPARE(detail->title(), QString("证券信托产品"));
        const TrustProductModel p = product("ZQ001");
        QCOMPARE(text(detail, "cpmcLabel"), p.w_cpmc);
        QCOMPARE(text(detail, "newestLabel"), netValues("ZQ001").last().w_jz);
        QCOMPARE(text(detail, "detailLabel"), QString("100万元"));
        QCOMPARE(text(detail, "zjrgqdLabel"), p.w_xtqx);
        QCOMPARE(text(detail, "zjrgkfrLabel"), QString("到期分配"));

        auto *table = detail->findChild<TableView *>("tableView");
        QCOMPARE(table->numberOfRowsInSection(0), 4);
        QCOMPARE(visibleText(cellAt(table, 0), "titleLabel"), QString("产品要素"));
        QCOMPARE(visibleText(cellAt(table, 2), "nameLabel"), QString("发行规模"));
        QCOMPARE(visibleText(cellAt(table, 2), "containLabel"), QString("10000万元"));
        QCOMPARE(visibleText(cellAt(table, 3), "containLabel"), p.w_cpjs);
        // Selecting a row only deselects it.
        table->tapRowAtIndexPath({0, 2});
        QVERIFY(!table->indexPathForSelectedRow());
        QCOMPARE(m_phone->nav()->topViewController(), detail);

        const QList<SentRequest> sent = m_phone->sent(kNetValues);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().params, (QJsonObject{{"w_cpdm", "ZQ001"}}));
        QCOMPARE(sent.first().paramsExt,
                 (QJsonObject{{"row_count", "1000"},
                              {"row_offset", "0"},
                              {"orderby", QJsonObject{{"w_jzrq", "asc"}}}}));
    }

    void chartHoldsTheLast720DaysAndTheHistoryAll()
    {
        const QList<NetProductModel> all = netValues("ZQ001");
        // Three years of values, so the chart leaves the oldest out.
        QVERIFY(all.first().w_jzrq.toInt() <
                m_phone->gateway().today().addDays(-1000).toString("yyyyMMdd").toInt());
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        QCOMPARE(detail->jzDataArray().size(), all.size());
        RXLineChartView *chart = detail->lineChartView();
        QWidget *area = detail->findChild<QWidget *>("chartView");
        QCOMPARE(area->findChildren<RXLineChartView *>().size(), 1);

        const QString cutOff = m_phone->gateway().today().addDays(-720).toString("yyyyMMdd");
        const auto recent = std::count_if(
            all.begin(), all.end(), [&](const NetProductModel &v) { return v.w_jzrq >= cutOff; });
        QVERIFY(recent < all.size());
        QCOMPARE(chart->chartInfos().size(), recent);
        QCOMPARE(chart->chartInfos().last().nav, all.last().w_jz.toDouble());
        // Centred on the screen, the owner's colours, the screen as its delegate.
        QCOMPARE(chart->frame().center().x(), m_phone->window()->width() / 2.0);
        QCOMPARE(chart->frame().width(), area->width() - 30.0);
        QCOMPARE(chart->underLineSpaceColor(), UiColor::colorWithRed(163, 217, 243));
        QCOMPARE(chart->delegate(), static_cast<RXLineChartViewDelegate *>(detail));

        // A tap on the chart opens the history with every value, newest first.
        QTest::mouseClick(chart->overlay(), Qt::LeftButton, {}, QPoint(100, 80));
        auto *history = m_phone->top<TrustHistoryViewController>();
        QVERIFY(history);
        QCOMPARE(history->title(), QString("净值详情"));
        auto *table = history->findChild<TableView *>("tableView");
        QCOMPARE(table->numberOfRowsInSection(0), all.size());
        QCOMPARE(cellAt(table, 0)->texts(),
                 (QStringList{formatted(all.last().w_jzrq), all.last().w_jz}));
        QCOMPARE(cellAt(table, int(all.size()) - 1)->texts(),
                 (QStringList{formatted(all.first().w_jzrq), all.first().w_jz}));
        QCOMPARE(text(history, "dateCaption"), QString("净值日期"));
        QCOMPARE(text(history, "valueCaption"), QString("净值"));
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
        const int index = chart->touchedDot()->tag;
        QCOMPARE(bubble->text(), QString::asprintf("%.2f    ", chart->chartInfos().at(index).nav));
        const QImage shot = m_phone->window()->grab().toImage();
        const QPoint corner = bubble->mapTo(m_phone->window(), QPoint(1, 1));
        QCOMPARE(QColor(shot.pixel(corner)), QColor(0x00, 0x94, 0xde));
        const QString dir = qEnvironmentVariable("CHENGLAN_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            QVERIFY(shot.save(QDir(dir).filePath("trust-chart-readout.png")));

        sendMouse(overlay, QEvent::MouseButtonRelease, QPointF(150, 80), Qt::NoButton);
        QCOMPARE(chart->touchNumLableAlpha(), 0.0);
        QCOMPARE(m_phone->nav()->topViewController(), detail); // a drag is no tap
    }

    void noNetValues()
    {
        QZTrustDetailViewController *detail = m_phone->push(detailFor(product("ZQ011")));
        QTRY_VERIFY(detail->lineChartView());
        QVERIFY(detail->jzDataArray().isEmpty());
        QCOMPARE(m_phone->toastTexts(), QStringList{"没有相关净值产品数据啦！"});
        QCOMPARE(m_phone->toastDurations(), QList<double>{1.5});
        QCOMPARE(text(detail, "newestLabel"), QString());
        QVERIFY(!detail->lineChartView()->overlay()); // untouchable
        QCOMPARE(visibleText(detail, "noNetValuesLabel"), QString("暂无净值数据"));
        QCOMPARE(visibleText(detail, "chartHint"), QString("<hidden chartHint>"));
        detail->chartViewTapped();
        QCOMPARE(m_phone->nav()->topViewController(), detail); // no history to open
    }

    void signedInSeriesIsNotDoubled()
    {
        m_phone->signIn();
        QZTrustDetailViewController *detail = m_phone->push(detailFor(product("ZQ009")));
        // Asked once on loading, not again on the first appearance.
        QTRY_COMPARE(m_phone->sent(kNetValues).size(), 1);
        QTRY_COMPARE(detail->jzDataArray().size(), netValues("ZQ009").size());
        QCOMPARE(
            detail->findChild<QWidget *>("chartView")->findChildren<RXLineChartView *>().size(), 1);
        // One tap, one history.
        QTest::mouseClick(detail->lineChartView()->overlay(), Qt::LeftButton, {}, QPoint(60, 60));
        QVERIFY(m_phone->top<TrustHistoryViewController>());
        QCOMPARE(m_phone->nav()->viewControllers().size(), 3);
    }

    void networkFailureKeepsWhatIsShown()
    {
        m_phone->signIn();
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        RXLineChartView *chart = detail->lineChartView();
        const QString newest = text(detail, "newestLabel");
        m_phone->gateway().setFault(kNetValues, GatewayFault::drop());
        QTest::mouseClick(chart->overlay(), Qt::LeftButton, {}, QPoint(60, 60));
        m_phone->nav()->popViewControllerAnimated(false); // appearing again asks again
        QCOMPARE(m_phone->waitForAlertMessage(), QString("您还没有连接到网络"));
        QCOMPARE(detail->lineChartView(), chart);
        QCOMPARE(text(detail, "newestLabel"), newest);
        QCOMPARE(text(detail, "yuyueButton"), QString("立即预约"));
    }

    // One row per kind of look; each state's rule is the booking rules' own test.
    void bookingButton_data()
    {
        QTest::addColumn<QString>("w_xszt");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<bool>("widened");
        // clang-format off
        QTest::newRow("bookable")                 << "1" << "立即预约" << true << false;
        QTest::newRow("says why not: running")    << "2" << "存续中" << false << true;
        QTest::newRow("other state keeps title")  << "4" << "立即预约" << false << false;
        // clang-format on
    }

    void bookingButton()
    {
        QFETCH(QString, w_xszt);
        QFETCH(QString, title);
        QFETCH(bool, usable);
        QFETCH(bool, widened);
        TrustProductModel p = product("ZQ001");
        p.w_xszt = w_xszt;
        QZTrustDetailViewController *detail = openLoaded(p);
        QCOMPARE(text(detail, "yuyueButton"), title);
        QCOMPARE(detail->findChild<QPushButton *>("yuyueButton")->isEnabled(), usable);
        QCOMPARE(detail->findChild<QPushButton *>("teleyuyueButton")->isVisibleTo(detail), usable);
        QCOMPARE(detail->findChild<QWidget *>("footView")->height(), widened ? 80 : 60);
    }

    void bookingSendsTheAmountAsTyped()
    {
        m_phone->signIn();
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        AlertController *form = BookingFormDriver::open(m_phone->window(), detail);
        QVERIFY(form);
        // Placeholders rather than captions, and no length limit.
        QCOMPARE(form->textFields().at(0)->placeholderText(), QString("预约金额(万元)"));
        QCOMPARE(form->textFields().at(1)->placeholderText(), QString("预约电话"));
        QCOMPARE(form->textFields().at(0)->maxLength(), QLineEdit().maxLength());
        // 50 is below the starting amount of 100万元, which is not checked here.
        BookingFormDriver::fill(form, "50", "13812345678");
        QVERIFY(form->tapAction("立即预约"));
        QTRY_COMPARE(m_phone->sent(kBookingAction).size(), 1);
        QCOMPARE(m_phone->sent(kBookingAction).first().params.value("yyje").toString(),
                 QString("50"));
        QTRY_VERIFY(m_phone->toastTexts().contains("产品预约成功"));
        QCOMPARE(m_phone->toastDurations().last(), 0.25);
        QCOMPARE(text(detail, "yuyueButton"), QString("立即预约")); // the button stays
        QVERIFY(!m_phone->alert());
    }

    void backPostsHiddenOnBothScreens()
    {
        QZTrustDetailViewController *detail = openLoaded(product("ZQ001"));
        QTest::mouseClick(detail->lineChartView()->overlay(), Qt::LeftButton, {}, QPoint(60, 60));
        auto *history = m_phone->top<TrustHistoryViewController>();
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        history->LeftNavigationButtonClick();
        QTRY_COMPARE(m_phone->nav()->topViewController(), detail);
        detail->LeftNavigationButtonClick();
        QCOMPARE(postedNames(posted), (QStringList{"hidden", "hidden"}));
        QCOMPARE(posted.last().at(1).value<QObject *>(), detail);
        QTRY_COMPARE(m_phone->nav()->viewControllers().size(), 1);
    }

    void securitiesListRowsOpenTheDetail()
    {
        auto *list = m_phone->push(new TrustViewController);
        auto *table = list->findChild<TableView *>("tableView");
        QTRY_VERIFY(table->numberOfRowsInSection(0) > 0);
        table->tapRowAtIndexPath({0, 0});
        auto *detail = m_phone->top<QZTrustDetailViewController>();
        QVERIFY(detail);
        QCOMPARE(detail->jzmodel().w_cpdm, list->dataArray().first().w_cpdm);
        QCOMPARE(detail->jzmodel().zxjz, list->dataArray().first().zxjz);
        QTRY_VERIFY(!detail->jzDataArray().isEmpty());
    }

    void bothScreensOpenByName()
    {
        QString error;
        std::unique_ptr<ViewController> screen(ScreenRegistry::instance().create(
            "QZTrustDetailViewController", {{"jzmodel", QJsonObject{{"w_cpdm", "ZQ009"}}}},
            &error));
        QVERIFY2(screen, qPrintable(error));
        QCOMPARE(qobject_cast<QZTrustDetailViewController *>(screen.get())->jzmodel().w_cpdm,
                 QString("ZQ009"));

        const QJsonArray records{QJsonObject{{"w_jzrq", "20151231"}, {"w_jz", "1.0234"}},
                                 QJsonObject{{"w_jzrq", "20160105"}, {"w_jz", "1.0301"}}};
        auto *history =
            qobject_cast<TrustHistoryViewController *>(ScreenRegistry::instance().create(
                "TrustHistoryViewController", {{"jzDataArray", records}}, &error));
        QVERIFY2(history, qPrintable(error));
        m_phone->push(history);
        auto *table = history->findChild<TableView *>("tableView");
        QCOMPARE(table->cellForRowAtIndexPath({0, 0})->texts(),
                 (QStringList{"2016-01-05", "1.0301"}));
        QCOMPARE(table->cellForRowAtIndexPath({0, 1})->texts(),
                 (QStringList{"2015-12-31", "1.0234"}));
    }

private:
    TrustProductModel product(const QString &code) const
    {
        return RecordMapper::map<TrustProductModel>(m_phone->record("products", "w_cpdm", code));
    }

    QList<NetProductModel> netValues(const QString &code) const
    {
        QList<NetProductModel> values;
        for (const QJsonObject &record : m_phone->gateway().records("net_values")) {
            if (record.value("w_cpdm").toString() == code)
                values.append(RecordMapper::map<NetProductModel>(record));
        }
        std::stable_sort(
            values.begin(), values.end(),
            [](const NetProductModel &a, const NetProductModel &b) { return a.w_jzrq < b.w_jzrq; });
        return values;
    }

    static QZTrustDetailViewController *detailFor(const TrustProductModel &p)
    {
        auto *detail = new QZTrustDetailViewController;
        detail->setJzmodel(p);
        return detail;
    }

    // Opened, with every answer of the net values in.
    QZTrustDetailViewController *openLoaded(const TrustProductModel &p)
    {
        QZTrustDetailViewController *detail = m_phone->push(detailFor(p));
        const bool loaded = QTest::qWaitFor(
            [&]() {
                return m_phone->sent(kNetValues).size() == 1 &&
                       !NetworkActivityIndicator::instance()->isVisible() &&
                       detail->lineChartView();
            },
            5000);
        return loaded ? detail : nullptr;
    }

    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestTrustDetail)
#include "test_trust_detail.moc"

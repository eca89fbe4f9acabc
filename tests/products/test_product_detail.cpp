// The product detail against the demo gateway: its rows, the booking button for every
// state, booking (also from signed out through the sign-in screen), booking by telephone,
// and the announcements with their attached documents.
#include "AlertController.h"
#include "AppConfig.h"
#include "BaseNavigationViewController.h"
#include "BookingFormDriver.h"
#include "Constant.h"
#include "LoginViewController.h"
#include "NavigationItem.h"
#include "NetworkActivityIndicator.h"
#include "NotificationCenter.h"
#include "PhoneWindow.h"
#include "ProductAnnouncementViewController.h"
#include "ProductDetailViewController.h"
#include "QZDetailProductViewController.h"
#include "QZMoreDetailViewController.h"
#include "RecordMapper.h"
#include "RequestSpy.h"
#include "SessionStore.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "Telephone.h"
#include "TestGateway.h"
#include "TestPhone.h"
#include "Toast.h"
#include "WebView.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kBookings = QStringLiteral("166002");
const QString kBookingAction = QStringLiteral("166003");
const QString kAnnouncements = QStringLiteral("164014");
const QString kNoNetwork = QStringLiteral("您还没有连接到网络");
const QString kBooked =
    QStringLiteral("您好！您已经成功提交澄岚信托的产品预约请求,我们的客户经理会尽快与您取得联系。");
const QString kCustomer1 = QStringLiteral("100001");

// Counts the warnings of failed downloads while it lives: the one trace a failed
// download leaves, since the attachment screen stays quiet about it.
class DownloadFailures
{
public:
    DownloadFailures()
    {
        s_count = 0;
        s_previous = qInstallMessageHandler(&DownloadFailures::handle);
    }
    ~DownloadFailures() { qInstallMessageHandler(s_previous); }
    int count() const { return s_count; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtWarningMsg && message.contains(QLatin1String("Download failed")))
            ++s_count;
        if (s_previous)
            s_previous(type, context, message);
    }

    static inline int s_count = 0;
    static inline QtMessageHandler s_previous = nullptr;
};

} // namespace

Q_DECLARE_METATYPE(Booking::Enquiry)

class TestProductDetail : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("chenglan.*.debug=false"));
    }

    void init()
    {
        m_gateway = std::make_unique<TestGateway>();
        m_requests =
            std::make_unique<QSignalSpy>(&m_gateway->gateway(), &DemoGateway::requestReceived);
        m_toasts = std::make_unique<QSignalSpy>(ToastEvents::instance(), &ToastEvents::shown);
        m_window = std::make_unique<PhoneWindow>();
        m_opener = new RootViewController;
        m_nav = showInActivePhone(*m_window, m_opener);
        QVERIFY(m_nav);
    }

    void cleanup()
    {
        m_window.reset();
        m_toasts.reset();
        m_requests.reset();
        m_gateway.reset();
        Telephone::setHandler({});
    }

    // ---- the fifteen rows and the header ----

    void rowsShowTheProduct()
    {
        QZDetailProductViewController *detail = openDetail("CL001");
        QCOMPARE(detail->title(), QString("产品详情"));
        QVERIFY(detail->navigationItem()->leftWidget());
        QCOMPARE(label(detail, "nhsylLabel"), QString("6.8％"));
        QCOMPARE(label(detail, "rgqdLabel"), QString("100万元"));
        QCOMPARE(label(detail, "tzqxLabel"), product("CL001").w_xtqx);
        QCOMPARE(label(detail, "fpfsLabel"), QString("按季度分配"));

        auto *table = detail->findChild<TableView *>("tableView");
        QCOMPARE(table->numberOfRowsInSection(0), 17);
        const modelForProd p = product("CL001");
        const QList<QPair<QString, QString>> expected{
            {"产品名称", p.w_cpmc},
            {"发行规模", "30000万元"},
            {"信托期限", p.w_xtqx},
            {"产品推介期", p.w_cptjq},
            {"预期年化收益率", p.w_sysm},
            {"信托募集账户信息", p.w_mjzh},
            {"信托资金用途", "固定收益类"},
            {"风险控制措施", "土地、房产抵押"},
            {"信息披露", p.w_xxpl},
            {"起点金额", "100万元"},
            {"分配方式", "按季度分配"},
            {"计息方式", p.w_jxfs},
            {"特别提示", p.w_tbts},
            {"认购流程", QStringLiteral("1.预约登记\n%1\n\n2.缴款\n%2\n\n3.签署信托合同\n%3")
                             .arg(p.w_yydj, p.w_jk, p.w_qsxtht)},
            {"委托人简介", p.w_str},
        };
        for (int row = 1; row <= 15; ++row) {
            TableViewCell *cell = cellAt(table, row);
            QVERIFY(cell);
            QCOMPARE(visibleLabel(cell, "nameLabel"), expected.at(row - 1).first);
            QCOMPARE(visibleLabel(cell, "containLabel"), expected.at(row - 1).second);
            QVERIFY(!cell->findChild<QLabel *>("titleLabel")->isVisibleTo(cell));
            QVERIFY(!cell->findChild<QPushButton *>("nextButton")->isVisibleTo(cell));
        }
        TableViewCell *first = cellAt(table, 0);
        QVERIFY(first->findChild<QLabel *>("titleLabel")->isVisibleTo(first));
        QVERIFY(!first->findChild<QLabel *>("nameLabel")->isVisibleTo(first));
        TableViewCell *more = cellAt(table, 16);
        QCOMPARE(visibleLabel(more, "titleLabel"), QString("更多详情"));
        QVERIFY(more->findChild<QPushButton *>("nextButton")->isVisibleTo(more));
        QVERIFY(!more->findChild<QLabel *>("containLabel")->isVisibleTo(more));
    }

    void headerFigures_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("startAmount");
        QTest::addColumn<QString>("distribution");
        QTest::newRow("starting amount 9999") << "CL010"
                                              << "9999元"
                                              << "按天分配";
        QTest::newRow("starting amount 10000") << "CL018"
                                               << "1万元"
                                               << "按月分配";
        QTest::newRow("starting amount 50000") << "CL005"
                                               << "5万元"
                                               << "到期分配";
        QTest::newRow("distribution code 9") << "CL014"
                                             << "100万元"
                                             << "9";
    }

    void headerFigures()
    {
        QFETCH(QString, code);
        QFETCH(QString, startAmount);
        QFETCH(QString, distribution);
        QZDetailProductViewController *detail = openDetail(code);
        QCOMPARE(label(detail, "rgqdLabel"), startAmount);
        QCOMPARE(label(detail, "fpfsLabel"), distribution);
        auto *table = detail->findChild<TableView *>("tableView");
        QCOMPARE(visibleLabel(cellAt(table, 10), "containLabel"), startAmount);
        QCOMPARE(visibleLabel(cellAt(table, 11), "containLabel"), distribution);
    }

    // ---- the booking button ----

    void bookingButton_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<Booking::Enquiry>("state");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("telephone");
        QTest::addColumn<bool>("fullWidth");

        using E = Booking::Enquiry;
        QTest::newRow("bookable, signed out")
            << "CL001" << false << E::Unknown << "立即预约" << true << true << false;
        QTest::newRow("bookable, signed in")
            << "CL001" << true << E::NoOpenBooking << "立即预约" << true << true << false;
        QTest::newRow("open for booking, signed in")
            << "CL007" << true << E::NoOpenBooking << "立即预约" << true << true << false;
        QTest::newRow("booking in state 1")
            << "CL004" << true << E::Processing << "预约处理中" << false << false << true;
        QTest::newRow("booking being processed")
            << "CL002" << true << E::Processing << "预约处理中" << false << false << true;
        QTest::newRow("sold out") << "CL006" << false << E::Unknown << "售完" << false << false
                                  << true;
        QTest::newRow("sold out, signed in, old booking")
            << "CL006" << true << E::NoOpenBooking << "售完" << false << false << true;
        QTest::newRow("plan terminated")
            << "CL008" << false << E::Unknown << "计划终止" << false << false << true;
        QTest::newRow("plan failed")
            << "CL012" << false << E::Unknown << "计划失败" << false << false << true;
        QTest::newRow("plan failed, signed in")
            << "CL017" << true << E::NoOpenBooking << "计划失败" << false << false << true;
    }

    void bookingButton()
    {
        QFETCH(QString, code);
        QFETCH(bool, signedIn);
        QFETCH(Booking::Enquiry, state);
        QFETCH(QString, title);
        QFETCH(bool, enabled);
        QFETCH(bool, telephone);
        QFETCH(bool, fullWidth);

        if (signedIn)
            signIn(kCustomer1);
        QZDetailProductViewController *detail = openDetail(code);
        if (signedIn) {
            QTRY_COMPARE(detail->state(), state);
            // The enquiry of the screen's first showing and of each appearance.
            QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
            const QList<SentRequest> sent = sentWith(*m_requests, kBookings);
            QVERIFY(!sent.isEmpty());
            QCOMPARE(sent.first().params,
                     (QJsonObject{{"khbh", kCustomer1}, {"cpdm", code}, {"yyzt", "1,2"}}));
            QCOMPARE(sent.first().paramsExt, QJsonObject());
        } else {
            QCOMPARE(detail->state(), state);
            QCOMPARE(sentWith(*m_requests, kBookings).size(), 0); // nobody to ask about
        }
        QPushButton *button = yuyue(detail);
        QCOMPARE(button->text(), title);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(button->property("usable").toBool(), enabled);
        QCOMPARE(detail->findChild<QPushButton *>("teleyuyueButton")->isVisibleTo(detail),
                 telephone);
        QCOMPARE(detail->findChild<QWidget *>("bottomBar")->height() == 80, fullWidth);
    }

    void failedEnquiryDisablesBooking()
    {
        m_gateway->gateway().setFault(kBookings, GatewayFault::status(500));
        signIn(kCustomer1);
        QZDetailProductViewController *detail = openDetail("CL001");
        QTRY_COMPARE(detail->state(), Booking::Enquiry::Failed);
        QTRY_VERIFY(AlertController::frontMost(m_window.get()));
        QCOMPARE(AlertController::frontMost(m_window.get())->message(), kNoNetwork);
        QPushButton *button = yuyue(detail);
        QCOMPARE(button->text(), QString("立即预约"));
        QVERIFY(!button->isEnabled());
        QVERIFY(button->property("usable").toBool()); // still blue, only not usable
        QVERIFY(detail->findChild<QPushButton *>("teleyuyueButton")->isVisibleTo(detail));
    }

    void signedOutBookingAsksToSignIn()
    {
        QZDetailProductViewController *detail = openDetail("CL004");
        QTest::mouseClick(yuyue(detail), Qt::LeftButton);
        AlertController *question = AlertController::frontMost(m_window.get());
        QVERIFY(question);
        QCOMPARE(question->title(), QString("您尚未登录，是否现在登录！"));
        QVERIFY(question->message().isEmpty());
        QVERIFY(question->textFields().isEmpty());
        QCOMPARE(question->actionTitles(), (QStringList{"确定", "取消"}));
        QVERIFY(question->tapAction("取消"));
        QTRY_VERIFY(!AlertController::frontMost(m_window.get()));
        QCOMPARE(m_nav->topViewController(), detail);
    }

    // ---- booking ----

    void bookingFromSignedOutThroughSignIn()
    {
        QZDetailProductViewController *detail = openDetail("CL001");
        QTest::mouseClick(yuyue(detail), Qt::LeftButton);
        QVERIFY(AlertController::frontMost(m_window.get())->tapAction("确定"));
        auto *login = qobject_cast<LoginViewController *>(m_nav->topViewController());
        QVERIFY(login);

        auto *number = login->findChild<QLineEdit *>("numberTextField");
        number->setFocus();
        QTest::keyClicks(number, "310104198803162418");
        auto *password = login->findChild<QLineEdit *>("passwordTextField");
        password->setFocus();
        QTest::keyClicks(password, "abc123");
        QTest::mouseClick(login->findChild<QPushButton *>("loginButton"), Qt::LeftButton);

        // Back on the detail, which asks again now that somebody is signed in.
        QTRY_COMPARE(m_nav->topViewController(), detail);
        QVERIFY(Constant::shareConstant()->IsLogin());
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        QCOMPARE(sentWith(*m_requests, kBookings).last().params.value("khbh").toString(),
                 kCustomer1);
        QVERIFY(yuyue(detail)->isEnabled());
        QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());

        AlertController *form = openForm(detail);
        QVERIFY(form);
        BookingFormDriver::fill(form, "100", "13812345678");
        QVERIFY(form->tapAction("立即预约"));

        QTRY_COMPARE(sentWith(*m_requests, kBookingAction).size(), 1);
        const SentRequest sent = sentWith(*m_requests, kBookingAction).first();
        QCOMPARE(sent.params, (QJsonObject{{"action", "A"},
                                           {"khbh", kCustomer1},
                                           {"cpdm", "CL001"},
                                           {"yyje", "1000000"},
                                           {"yydh", "13812345678"},
                                           {"yyzt", "2"},
                                           {"system_type", "3"},
                                           {"back_content", ""},
                                           {"yysj", ""},
                                           {"id", ""}}));
        QCOMPARE(sent.paramsExt, QJsonObject());

        QTRY_COMPARE(yuyue(detail)->text(), QString("预约处理中"));
        QVERIFY(!yuyue(detail)->isEnabled());
        QVERIFY(!detail->findChild<QPushButton *>("teleyuyueButton")->isVisibleTo(detail));
        QCOMPARE(detail->findChild<QWidget *>("bottomBar")->height(), 80);
        AlertController *done = AlertController::frontMost(m_window.get());
        QVERIFY(done);
        QVERIFY(done->title().isEmpty());
        QCOMPARE(done->message(), kBooked);
        QCOMPARE(done->actionTitles(), QStringList{"关闭"});
        QVERIFY(done->tapAction("关闭"));

        bool kept = false;
        for (const QJsonObject &b : m_gateway->gateway().records("bookings")) {
            if (b.value("khbh").toString() == kCustomer1 && b.value("cpdm").toString() == "CL001" &&
                b.value("yyzt").toString() == "2")
                kept = true;
        }
        QVERIFY(kept);

        // The next appearance asks the server, which now knows the booking.
        detail->nextClick();
        QVERIFY(qobject_cast<QZMoreDetailViewController *>(m_nav->topViewController()));
        m_nav->popViewControllerAnimated(false);
        QTRY_COMPARE(detail->state(), Booking::Enquiry::Processing);
        QCOMPARE(yuyue(detail)->text(), QString("预约处理中"));
    }

    void amountBelowTheStartSendsNothing()
    {
        signIn(kCustomer1);
        QZDetailProductViewController *detail = openDetail("CL005"); // starting amount 50000
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
        QSignalSpy indicator(NetworkActivityIndicator::instance(),
                             &NetworkActivityIndicator::visibilityChanged);

        AlertController *form = openForm(detail);
        BookingFormDriver::fill(form, "4", "13812345678");
        QVERIFY(form->tapAction("立即预约"));
        QCOMPARE(m_toasts->size(), 1);
        QCOMPARE(m_toasts->first().at(0).toString(), QString("您的预约金额小于认购起点(5万元)"));
        QCOMPARE(m_toasts->first().at(1).toDouble(), 1.5);
        QCOMPARE(indicator.size(), 0);
        QCOMPARE(sentWith(*m_requests, kBookingAction).size(), 0);
        QCOMPARE(yuyue(detail)->text(), QString("立即预约"));

        form = openForm(detail);
        BookingFormDriver::fill(form, "5", "13812345678");
        QVERIFY(form->tapAction("立即预约"));
        QTRY_COMPARE(sentWith(*m_requests, kBookingAction).size(), 1);
        QCOMPARE(sentWith(*m_requests, kBookingAction).first().params.value("yyje").toString(),
                 QString("50000"));
        QTRY_COMPARE(yuyue(detail)->text(), QString("预约处理中"));
    }

    void formChecks_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("alert");
        QTest::newRow("no amount") << ""
                                   << "13812345678"
                                   << "您还没有输入金额";
        QTest::newRow("bad phone") << "100"
                                   << "12345678901"
                                   << "请填写正确的手机号码";
        QTest::newRow("no phone") << "100"
                                  << ""
                                  << "请填写正确的手机号码";
    }

    void formChecks()
    {
        QFETCH(QString, amount);
        QFETCH(QString, phone);
        QFETCH(QString, alert);
        signIn(kCustomer1);
        QZDetailProductViewController *detail = openDetail("CL001");
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
        QSignalSpy indicator(NetworkActivityIndicator::instance(),
                             &NetworkActivityIndicator::visibilityChanged);
        AlertController *form = openForm(detail);
        BookingFormDriver::fill(form, amount, phone);
        QVERIFY(form->tapAction("立即预约"));
        AlertController *message = AlertController::frontMost(m_window.get());
        QVERIFY(message);
        QVERIFY(message->title().isEmpty());
        QCOMPARE(message->message(), alert);
        QCOMPARE(message->actionTitles(), QStringList{"取消"});
        QCOMPARE(indicator.size(), 0);
        QCOMPARE(m_toasts->size(), 0);
    }

    void formLooksAndCancels()
    {
        signIn(kCustomer1);
        QZDetailProductViewController *detail = openDetail("CL001");
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        AlertController *form = openForm(detail);
        QVERIFY(form->message().isEmpty());
        QCOMPARE(form->actionTitles(), (QStringList{"立即预约", "取消"}));
        const QList<QLineEdit *> fields = form->textFields();
        QCOMPARE(fields.size(), 2);
        QStringList captions;
        for (QLineEdit *field : fields) {
            QVERIFY(field->inputMethodHints() & Qt::ImhDigitsOnly);
            const auto labels = field->findChildren<QLabel *>();
            QCOMPARE(labels.size(), 1);
            captions.append(labels.first()->text());
        }
        QCOMPARE(captions, (QStringList{"预约金额(万元)", "预约电话"}));
        // The fields keep a few ten-thousands and a mobile number.
        fields.at(1)->setFocus();
        QTest::keyClicks(fields.at(1), "138123456789999");
        QCOMPARE(fields.at(1)->text(), QString("13812345678"));
        QVERIFY(form->tapAction("取消"));
        QTRY_VERIFY(!AlertController::frontMost(m_window.get()));
        QCOMPARE(sentWith(*m_requests, kBookingAction).size(), 0);
    }

    void refusedBookingShowsThePrompt()
    {
        m_gateway->gateway().setFault(kBookingAction, GatewayFault::refuse("该产品当前不接受预约"));
        signIn(kCustomer1);
        QZDetailProductViewController *detail = openDetail("CL001");
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        AlertController *form = openForm(detail);
        BookingFormDriver::fill(form, "100", "13812345678");
        QVERIFY(form->tapAction("立即预约"));
        QTRY_COMPARE(sentWith(*m_requests, kBookingAction).size(), 1);
        QTRY_VERIFY(AlertController::frontMost(m_window.get()));
        QCOMPARE(AlertController::frontMost(m_window.get())->message(),
                 QString("该产品当前不接受预约"));
        QCOMPARE(AlertController::frontMost(m_window.get())->actionTitles(), QStringList{"取消"});
        QCOMPARE(yuyue(detail)->text(), QString("立即预约"));
        QVERIFY(yuyue(detail)->isEnabled());
    }

    void bookingNetworkFailure()
    {
        m_gateway->gateway().setFault(kBookingAction, GatewayFault::status(500));
        signIn(kCustomer1);
        QZDetailProductViewController *detail = openDetail("CL001");
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        AlertController *form = openForm(detail);
        BookingFormDriver::fill(form, "100", "13812345678");
        QVERIFY(form->tapAction("立即预约"));
        QTRY_VERIFY(AlertController::frontMost(m_window.get()));
        QCOMPARE(AlertController::frontMost(m_window.get())->message(), kNoNetwork);
        QCOMPARE(yuyue(detail)->text(), QString("立即预约"));
    }

    void telephoneBookingDialsTheHotline()
    {
        QStringList opened;
        Telephone::setHandler([&opened](const QString &url) {
            opened.append(url);
            return true;
        });
        QZDetailProductViewController *detail = openDetail("CL001");
        QTest::mouseClick(detail->findChild<QPushButton *>("teleyuyueButton"), Qt::LeftButton);
        AlertController *ask = AlertController::frontMost(m_window.get());
        QVERIFY(ask);
        QCOMPARE(ask->title(),
                 QStringLiteral("立即拨打%1预约产品").arg(AppConfig::hotlineDisplay()));
        QCOMPARE(ask->actionTitles(), (QStringList{"呼叫", "取消"}));
        QVERIFY(ask->tapAction("呼叫"));
        QCOMPARE(opened, QStringList{"tel://" + AppConfig::hotline()});
    }

    // ---- leaving ----

    void backPostsAppearance_data()
    {
        QTest::addColumn<QString>("belongto");
        QTest::addColumn<QStringList>("posted");
        QTest::newRow("products tab") << "" << QStringList{Notification::Appearance};
        QTest::newRow("another opener") << "产品详情" << QStringList{Notification::Appearance};
        QTest::newRow("messages") << "我的消息" << QStringList();
    }

    void backPostsAppearance()
    {
        QFETCH(QString, belongto);
        QFETCH(QStringList, posted);
        QPointer<QZDetailProductViewController> detail = openDetail("CL001", belongto);
        QSignalSpy notifications(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QTest::mouseClick(qobject_cast<QPushButton *>(detail->navigationItem()->leftWidget()),
                          Qt::LeftButton);
        QCOMPARE(postedNames(notifications), posted);
        QCOMPARE(m_nav->topViewController(), m_opener);
        QTRY_VERIFY(detail.isNull());
    }

    // ---- announcements ----

    void moreRowOpensTheAnnouncements()
    {
        QZDetailProductViewController *detail = openDetail("CL001");
        detail->findChild<TableView *>("tableView")->tapRowAtIndexPath({0, 16});
        auto *more = qobject_cast<QZMoreDetailViewController *>(m_nav->topViewController());
        QVERIFY(more);
        QCOMPARE(more->title(), QString("更多详情"));
        QCOMPARE(more->cpdm(), QString("CL001"));
        QCOMPARE(more->detailLabeltitle(), product("CL001").w_cpmc);
        QTRY_COMPARE(sentWith(*m_requests, kAnnouncements).size(), 1);
    }

    void moreButtonOpensTheAnnouncements()
    {
        QZDetailProductViewController *detail = openDetail("CL002");
        auto *table = detail->findChild<TableView *>("tableView");
        TableViewCell *cell = cellAt(table, 16);
        QVERIFY(cell);
        QTest::mouseClick(cell->findChild<QPushButton *>("nextButton"), Qt::LeftButton);
        auto *more = qobject_cast<QZMoreDetailViewController *>(m_nav->topViewController());
        QVERIFY(more);
        QCOMPARE(more->cpdm(), QString("CL002"));
    }

    void announcementLevels_data()
    {
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("belongto");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("titles");

        const QString instructions = QStringLiteral("澄岚·稳盈1号信托计划说明书");
        const QString established = QStringLiteral("澄岚·稳盈1号成立公告");
        const QString report = QStringLiteral("澄岚·稳盈1号2026年第三季度管理报告");
        const QString dividend = QStringLiteral("澄岚·稳盈1号第一期收益分配公告");
        QTest::newRow("signed out") << false << ""
                                    << "1" << QStringList{instructions, established};
        QTest::newRow("signed in") << true << ""
                                   << "2" << QStringList{instructions, established, report};
        QTest::newRow("holder") << true << "产品详情"
                                << "3" << QStringList{instructions, established, report, dividend};
        QTest::newRow("holder, signed out")
            << false << "产品详情"
            << "3" << QStringList{instructions, established, report, dividend};
    }

    void announcementLevels()
    {
        QFETCH(bool, signedIn);
        QFETCH(QString, belongto);
        QFETCH(QString, level);
        QFETCH(QStringList, titles);
        if (signedIn)
            signIn(kCustomer1);
        QZMoreDetailViewController *more = openMore("CL001", belongto);
        QTRY_COMPARE(sentWith(*m_requests, kAnnouncements).size(), 1);
        const SentRequest sent = sentWith(*m_requests, kAnnouncements).first();
        QCOMPARE(sent.params, (QJsonObject{{"prod_code", "CL001"},
                                           {"is_display", "1"},
                                           {"status", "1"},
                                           {"notice_level", level}}));
        QCOMPARE(sent.paramsExt, QJsonObject());

        auto *table = more->findChild<TableView *>("tableView");
        QTRY_COMPARE(table->numberOfRowsInSection(0), titles.size());
        QStringList shown;
        for (int row = 0; row < titles.size(); ++row)
            shown.append(visibleLabel(cellAt(table, row), "detailLabel"));
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()),
                 QSet<QString>(titles.begin(), titles.end()));
        QVERIFY(!more->findChild<QWidget *>("footView")->isVisibleTo(more));
    }

    void noAnnouncementsShowsTheNote()
    {
        QZMoreDetailViewController *more = openMore("CL003");
        QTRY_COMPARE(sentWith(*m_requests, kAnnouncements).size(), 1);
        QWidget *foot = more->findChild<QWidget *>("footView");
        QTRY_VERIFY(foot->isVisibleTo(more));
        auto *table = more->findChild<TableView *>("tableView");
        QCOMPARE(table->numberOfRowsInSection(0), 0);
        QCOMPARE(table->tableFooterView(), foot);
        bool note = false;
        for (QLabel *l : foot->findChildren<QLabel *>())
            note = note || l->text() == QStringLiteral("该产品暂未发布公告书");
        QVERIFY(note);
    }

    void announcementsNetworkFailure()
    {
        m_gateway->gateway().setFault(kAnnouncements, GatewayFault::status(500));
        QZMoreDetailViewController *more = openMore("CL001");
        QTRY_VERIFY(AlertController::frontMost(m_window.get()));
        QCOMPARE(AlertController::frontMost(m_window.get())->message(), kNoNetwork);
        QCOMPARE(more->findChild<TableView *>("tableView")->numberOfRowsInSection(0), 0);
    }

    void announcementShowsItsText()
    {
        QZMoreDetailViewController *more = openMore("CL001");
        auto *table = more->findChild<TableView *>("tableView");
        QTRY_COMPARE(table->numberOfRowsInSection(0), 2);
        const int row = rowTitled(more, "澄岚·稳盈1号成立公告");
        QVERIFY(row >= 0);
        table->tapRowAtIndexPath({0, row});
        auto *page = qobject_cast<ProductDetailViewController *>(m_nav->topViewController());
        QVERIFY(page);
        QCOMPARE(page->title(), QString("公告详情"));
        QCOMPARE(label(page, "cpmcLabel"), QString("澄岚·稳盈1号成立公告"));
        auto *web = page->findChild<WebView *>("contentWebView");
        QVERIFY(web->plainText().contains("实际募集规模3亿元"));
        // Its picture is asked from the media server, not from a path without a host.
        QVERIFY(
            web->html().contains(QStringLiteral("src=\"%1/upload/user/1/news/announce-CL001.png\"")
                                     .arg(AppConfig::mediaBase())));
        QVERIFY(!web->html().contains("\"/upload/user/1"));
    }

    void attachmentIsDownloadedAndShown()
    {
        // An earlier document of the same name is replaced.
        const QString path = ProductAnnouncementViewController::documentPath();
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an earlier document");
        }
        ProductAnnouncementViewController *attachment =
            openAttachment("澄岚·稳盈1号信托计划说明书");
        QVERIFY(attachment);
        QCOMPARE(attachment->title(), QString("公告详情"));
        QCOMPARE(label(attachment, "titleLabel"), QString("澄岚·稳盈1号信托计划说明书"));
        auto *web = attachment->findChild<WebView *>("contentWebView");
        QTRY_VERIFY(web->isShowingPdf());
        QVERIFY(web->pdfPageCount() > 0);
        QCOMPARE(QFileInfo(path).fileName(), QString("down_form.pdf"));
        QFile stored(path);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(stored.readAll().startsWith("%PDF"));
    }

    void missingAttachmentLeavesThePageEmpty()
    {
        m_gateway->gateway().setFault("media", GatewayFault::status(404));
        const QString path = ProductAnnouncementViewController::documentPath();
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an earlier document");
        }
        DownloadFailures failures;
        ProductAnnouncementViewController *attachment =
            openAttachment("澄岚·稳盈1号信托计划说明书");
        QVERIFY(attachment);
        QTRY_COMPARE(failures.count(), 1);
        // The failed download touches nothing: the earlier file stays, nothing is shown.
        QVERIFY(!attachment->findChild<WebView *>("contentWebView")->isShowingPdf());
        QFile stored(path);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), QByteArray("an earlier document"));
        QVERIFY(!AlertController::frontMost(m_window.get()));
    }

private:
    modelForProd product(const QString &code) const
    {
        for (const QJsonObject &record : m_gateway->gateway().records("products")) {
            if (record.value("w_cpdm").toString() == code)
                return RecordMapper::map<modelForProd>(record);
        }
        return {};
    }

    void signIn(const QString &khbh)
    {
        SessionStore::beginSession(
            RecordMapper::map<QZLoginModel>(m_gateway->gateway().customer(khbh)));
    }

    QZDetailProductViewController *openDetail(const QString &code,
                                              const QString &belongto = QString())
    {
        auto *detail = new QZDetailProductViewController;
        detail->setModel(product(code));
        detail->setBelongto(belongto);
        m_nav->pushViewController(detail, false);
        return detail;
    }

    QZMoreDetailViewController *openMore(const QString &code, const QString &belongto = QString())
    {
        auto *more = new QZMoreDetailViewController;
        more->setCpdm(code);
        more->setDetailLabeltitle(product(code).w_cpmc);
        more->setBelongto(belongto);
        m_nav->pushViewController(more, false);
        return more;
    }

    ProductAnnouncementViewController *openAttachment(const QString &title)
    {
        QZMoreDetailViewController *more = openMore("CL001");
        auto *table = more->findChild<TableView *>("tableView");
        if (!QTest::qWaitFor([table]() { return table->numberOfRowsInSection(0) > 0; }, 5000))
            return nullptr;
        const int row = rowTitled(more, title);
        if (row < 0)
            return nullptr;
        table->tapRowAtIndexPath({0, row});
        auto *page = qobject_cast<ProductDetailViewController *>(m_nav->topViewController());
        if (!page)
            return nullptr;
        QTest::mouseClick(page->findChild<QPushButton *>("ckfjButton"), Qt::LeftButton);
        return qobject_cast<ProductAnnouncementViewController *>(m_nav->topViewController());
    }

    static int rowTitled(QZMoreDetailViewController *more, const QString &title)
    {
        for (int i = 0; i < more->dataArray().size(); ++i) {
            if (more->dataArray().at(i).title == title)
                return i;
        }
        return -1;
    }

    AlertController *openForm(QZDetailProductViewController *detail)
    {
        if (AlertController *open = AlertController::frontMost(m_window.get()))
            open->tapAction(open->actionTitles().last());
        (void)QTest::qWaitFor([this]() { return !AlertController::frontMost(m_window.get()); },
                              5000);
        return BookingFormDriver::open(m_window.get(), detail);
    }

    static QPushButton *yuyue(QWidget *detail)
    {
        return detail->findChild<QPushButton *>("yuyueButton");
    }

    static QString label(QWidget *screen, const char *name)
    {
        auto *l = screen->findChild<QLabel *>(name);
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

    // The cell of a row, scrolled into view first. Rows size themselves once shown, so a
    // jump over rows not yet measured can land short: scroll again, as a finger would.
    static TableViewCell *cellAt(TableView *table, int row)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            table->scrollToRowAtIndexPath({0, row});
            if (TableViewCell *cell = table->cellForRowAtIndexPath({0, row}))
                return cell;
        }
        return nullptr;
    }

    std::unique_ptr<TestGateway> m_gateway;
    std::unique_ptr<QSignalSpy> m_requests;
    std::unique_ptr<QSignalSpy> m_toasts;
    std::unique_ptr<PhoneWindow> m_window;
    BaseNavigationViewController *m_nav = nullptr;
    RootViewController *m_opener = nullptr;
};

QTEST_MAIN(TestProductDetail)
#include "test_product_detail.moc"

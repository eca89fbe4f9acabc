// The product detail against the demo gateway: its rows, the booking button, booking (also
// from signed out through the sign-in screen, and after leaving the screen), booking by
// telephone, and the announcements with their attached documents.
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
#include "ScreenFixture.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "Telephone.h"
#include "WebView.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace ScreenProbe;

namespace {

const QString kBookings = QStringLiteral("166002");
const QString kBookingAction = QStringLiteral("166003");
const QString kAnnouncements = QStringLiteral("164014");
const QString kBooked =
    QStringLiteral("您好！您已经成功提交澄岚信托的产品预约请求,我们的客户经理会尽快与您取得联系。");

} // namespace

Q_DECLARE_METATYPE(Booking::Enquiry)
Q_DECLARE_METATYPE(GatewayFault)

class TestProductDetail final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("chenglan.*.debug=false"); }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
    }
    void cleanup()
    {
        m_phone.reset();
        Telephone::setHandler({});
    }

    void rowsShowTheProduct()
    {
        QZDetailProductViewController *detail = openDetail("CL001");
        QCOMPARE(detail->title(), QString("产品详情"));
        QCOMPARE(text(detail, "nhsylLabel"), QString("6.8％"));
        QCOMPARE(text(detail, "rgqdLabel"), QString("100万元"));
        QCOMPARE(text(detail, "tzqxLabel"), product("CL001").w_xtqx);
        QCOMPARE(text(detail, "fpfsLabel"), QString("按季度分配"));
        auto *table = detail->findChild<TableView *>("tableView");
        QCOMPARE(table->numberOfRowsInSection(0), 17);
        TableViewCell *heading = cellAt(table, 0);
        QCOMPARE(visibleText(heading, "titleLabel"), QString("产品要素"));
        QCOMPARE(visibleText(heading, "nameLabel"), QString("<hidden nameLabel>"));
        TableViewCell *steps = cellAt(table, 14);
        QCOMPARE(visibleText(steps, "nameLabel"), QString("认购流程"));
        QVERIFY(visibleText(steps, "containLabel").startsWith("1.预约登记\n"));
        QCOMPARE(visibleText(steps, "nextButton"), QString("<hidden nextButton>"));
        TableViewCell *more = cellAt(table, 16);
        QCOMPARE(visibleText(more, "titleLabel"), QString("更多详情"));
        QVERIFY(more->findChild<QPushButton *>("nextButton")->isVisibleTo(more));
    }

    // One row per kind of look; the rules for each state are the booking rules' own test.
    void bookingButton_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<Booking::Enquiry>("state");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("enabled");
        using E = Booking::Enquiry;
        // clang-format off
        QTest::newRow("visitor, bookable")        << "CL001" << false << E::Unknown << "立即预约" << true;
        QTest::newRow("customer, no booking")     << "CL007" << true << E::NoOpenBooking << "立即预约" << true;
        QTest::newRow("customer, being processed") << "CL002" << true << E::Processing << "预约处理中" << false;
        QTest::newRow("sold out")                 << "CL006" << false << E::Unknown << "售完" << false;
        // clang-format on
    }

    void bookingButton()
    {
        QFETCH(QString, code);
        QFETCH(bool, signedIn);
        QFETCH(Booking::Enquiry, state);
        QFETCH(QString, title);
        QFETCH(bool, enabled);
        if (signedIn)
            m_phone->signIn();
        QZDetailProductViewController *detail = openDetail(code);
        QTRY_COMPARE(detail->state(), state);
        QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
        if (signedIn) {
            QCOMPARE(m_phone->sent(kBookings).first().params,
                     (QJsonObject{{"khbh", "100001"}, {"cpdm", code}, {"yyzt", "1,2"}}));
        } else {
            QCOMPARE(m_phone->sent(kBookings).size(), 0); // nobody to ask about
        }
        QCOMPARE(text(detail, "yuyueButton"), title);
        QCOMPARE(yuyue(detail)->isEnabled(), enabled);
        QCOMPARE(yuyue(detail)->property("usable").toBool(), enabled);
        QCOMPARE(detail->findChild<QPushButton *>("teleyuyueButton")->isVisibleTo(detail), enabled);
        QCOMPARE(detail->findChild<QWidget *>("bottomBar")->height() == 80, !enabled);
    }

    void failedEnquiryDisablesBooking()
    {
        m_phone->gateway().setFault(kBookings, GatewayFault::status(500));
        m_phone->signIn();
        QZDetailProductViewController *detail = openDetail("CL001");
        QTRY_COMPARE(detail->state(), Booking::Enquiry::Failed);
        QCOMPARE(m_phone->waitForAlertMessage(), QString("您还没有连接到网络"));
        QCOMPARE(text(detail, "yuyueButton"), QString("立即预约"));
        QVERIFY(!yuyue(detail)->isEnabled());
        QVERIFY(yuyue(detail)->property("usable").toBool()); // still blue, only not usable
    }

    void signedOutBookingAsksToSignIn()
    {
        QZDetailProductViewController *detail = openDetail("CL004");
        QTest::mouseClick(yuyue(detail), Qt::LeftButton);
        AlertController *question = m_phone->alert();
        QVERIFY(question);
        QCOMPARE(question->title(), QString("您尚未登录，是否现在登录！"));
        QCOMPARE(question->actionTitles(), (QStringList{"确定", "取消"}));
        QVERIFY(question->tapAction("取消"));
        QTRY_VERIFY(!m_phone->alert());
        QCOMPARE(m_phone->nav()->topViewController(), detail);
    }

    void bookingFromSignedOutThroughSignIn()
    {
        QZDetailProductViewController *detail = openDetail("CL001");
        QTest::mouseClick(yuyue(detail), Qt::LeftButton);
        QVERIFY(m_phone->alert()->tapAction("确定"));
        auto *login = m_phone->top<LoginViewController>();
        QVERIFY(login);
        typeInto(login, "numberTextField", "310104198803162418");
        typeInto(login, "passwordTextField", "abc123");
        QVERIFY(tap(login, "loginButton"));

        // Back on the detail, which asks again now that somebody is signed in.
        QTRY_COMPARE(m_phone->nav()->topViewController(), detail);
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        QTRY_VERIFY(!NetworkActivityIndicator::instance()->isVisible());
        AlertController *form = openForm(detail);
        QVERIFY(form);
        BookingFormDriver::fill(form, "100", "13812345678");
        QVERIFY(form->tapAction("立即预约"));

        QTRY_COMPARE(m_phone->sent(kBookingAction).size(), 1);
        const SentRequest sent = m_phone->sent(kBookingAction).first();
        QCOMPARE(sent.params.value("yyje").toString(), QString("1000000")); // in yuan
        QCOMPARE(sent.params.value("khbh").toString(), QString("100001"));
        QTRY_COMPARE(text(detail, "yuyueButton"), QString("预约处理中"));
        QVERIFY(!yuyue(detail)->isEnabled());
        QCOMPARE(detail->findChild<QWidget *>("bottomBar")->height(), 80);
        QCOMPARE(m_phone->alert()->message(), kBooked);
        QCOMPARE(m_phone->alert()->actionTitles(), QStringList{"关闭"});
        QVERIFY(!m_phone->record("bookings", "cpdm", "CL001").isEmpty());

        // The next appearance asks the server, which now knows the booking.
        m_phone->dismissAlerts();
        detail->nextClick();
        m_phone->nav()->popViewControllerAnimated(false);
        QTRY_COMPARE(detail->state(), Booking::Enquiry::Processing);
    }

    void bookingAnsweredAfterLeavingIsStillShown()
    {
        m_phone->signIn();
        QPointer<QZDetailProductViewController> detail = openDetail("CL001");
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        m_phone->gateway().setFault(kBookingAction, GatewayFault::delay(300));
        AlertController *form = openForm(detail);
        BookingFormDriver::fill(form, "100", "13812345678");
        QVERIFY(form->tapAction("立即预约"));
        m_phone->nav()->popViewControllerAnimated(false);
        QTRY_VERIFY(detail.isNull());
        // The server accepted it: the customer is told, over whatever screen is showing.
        QCOMPARE(m_phone->waitForAlertMessage(), kBooked);
        QCOMPARE(m_phone->sent(kBookingAction).size(), 1);
    }

    void bookingTappedTwiceIsSentOnce()
    {
        m_phone->signIn();
        QZDetailProductViewController *detail = openDetail("CL001");
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        m_phone->gateway().setFault(kBookingAction, GatewayFault::delay(300));
        AlertController *form = openForm(detail);
        BookingFormDriver::fill(form, "100", "13812345678");
        QVERIFY(form->tapAction("立即预约"));
        QVERIFY(!yuyue(detail)->isEnabled());             // it waits for the answer
        QTest::mouseClick(yuyue(detail), Qt::LeftButton); // the form does not open again
        QVERIFY(!m_phone->alert());
        QTRY_COMPARE(text(detail, "yuyueButton"), QString("预约处理中"));
        QCOMPARE(m_phone->sent(kBookingAction).size(), 1);
    }

    // The form's own checks are the booking rules' test: one refusal of each kind here.
    void formRefusalsSendNothing_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QString>("toast");
        // clang-format off
        QTest::newRow("alert: no amount")        << "" << "您还没有输入金额" << "";
        QTest::newRow("toast: below the start")  << "4" << "" << "您的预约金额小于认购起点(5万元)";
        // clang-format on
    }

    void formRefusalsSendNothing()
    {
        QFETCH(QString, amount);
        QFETCH(QString, alert);
        QFETCH(QString, toast);
        m_phone->signIn();
        QZDetailProductViewController *detail = openDetail("CL005"); // starting amount 50000
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        AlertController *form = openForm(detail);
        BookingFormDriver::fill(form, amount, "13812345678");
        QVERIFY(form->tapAction("立即预约"));
        QCOMPARE(m_phone->alert() ? m_phone->alert()->message() : QString(), alert);
        QCOMPARE(m_phone->toastTexts().join(""), toast);
        QCOMPARE(m_phone->sent(kBookingAction).size(), 0);
    }

    void formLooksAndCancels()
    {
        m_phone->signIn();
        QZDetailProductViewController *detail = openDetail("CL001");
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        AlertController *form = openForm(detail);
        QCOMPARE(form->actionTitles(), (QStringList{"立即预约", "取消"}));
        QStringList captions;
        for (QLineEdit *field : form->textFields()) {
            QVERIFY(field->inputMethodHints() & Qt::ImhDigitsOnly);
            captions.append(field->findChild<QLabel *>()->text());
        }
        QCOMPARE(captions, (QStringList{"预约金额(万元)", "预约电话"}));
        QLineEdit *phone = form->textFields().at(1);
        phone->setFocus();
        QTest::keyClicks(phone, "138123456789999");
        QCOMPARE(phone->text(), QString("13812345678"));
        QVERIFY(form->tapAction("取消"));
        QTRY_VERIFY(!m_phone->alert());
        QCOMPARE(m_phone->sent(kBookingAction).size(), 0);
    }

    void bookingNotAccepted_data()
    {
        QTest::addColumn<GatewayFault>("fault");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("refused")         << GatewayFault::refuse("该产品当前不接受预约") << "该产品当前不接受预约";
        QTest::newRow("network failure") << GatewayFault::status(500) << "您还没有连接到网络";
        // clang-format on
    }

    void bookingNotAccepted()
    {
        QFETCH(GatewayFault, fault);
        QFETCH(QString, message);
        m_phone->gateway().setFault(kBookingAction, fault);
        m_phone->signIn();
        QZDetailProductViewController *detail = openDetail("CL001");
        QTRY_COMPARE(detail->state(), Booking::Enquiry::NoOpenBooking);
        AlertController *form = openForm(detail);
        BookingFormDriver::fill(form, "100", "13812345678");
        QVERIFY(form->tapAction("立即预约"));
        QCOMPARE(m_phone->waitForAlertMessage(), message);
        QCOMPARE(text(detail, "yuyueButton"), QString("立即预约"));
        QVERIFY(yuyue(detail)->isEnabled());
    }

    void telephoneBookingDialsTheHotline()
    {
        QStringList opened;
        Telephone::setHandler([&opened](const QString &url) {
            opened.append(url);
            return true;
        });
        QZDetailProductViewController *detail = openDetail("CL001");
        QVERIFY(tap(detail, "teleyuyueButton"));
        QCOMPARE(m_phone->alert()->title(),
                 QStringLiteral("立即拨打%1预约产品").arg(AppConfig::hotlineDisplay()));
        QVERIFY(m_phone->alert()->tapAction("呼叫"));
        QCOMPARE(opened, QStringList{"tel://" + AppConfig::hotline()});
    }

    void backPostsAppearance_data()
    {
        QTest::addColumn<QString>("belongto");
        QTest::addColumn<QStringList>("posted");
        // clang-format off
        QTest::newRow("products tab")   << "" << QStringList{Notification::Appearance};
        QTest::newRow("another opener") << "产品详情" << QStringList{Notification::Appearance};
        QTest::newRow("messages")       << "我的消息" << QStringList();
        // clang-format on
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
        QCOMPARE(m_phone->nav()->topViewController(), m_phone->opener());
        QTRY_VERIFY(detail.isNull());
    }

    void moreRowAndButtonOpenTheAnnouncements()
    {
        QZDetailProductViewController *detail = openDetail("CL001");
        auto *table = detail->findChild<TableView *>("tableView");
        table->tapRowAtIndexPath({0, 16});
        auto *more = m_phone->top<QZMoreDetailViewController>();
        QVERIFY(more);
        QCOMPARE(more->title(), QString("更多详情"));
        QCOMPARE(more->cpdm(), QString("CL001"));
        QCOMPARE(more->detailLabeltitle(), product("CL001").w_cpmc);
        m_phone->nav()->popViewControllerAnimated(false);
        QTest::mouseClick(cellAt(table, 16)->findChild<QPushButton *>("nextButton"),
                          Qt::LeftButton);
        QVERIFY(m_phone->top<QZMoreDetailViewController>());
    }

    void announcementLevels_data()
    {
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("belongto");
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("count");
        // clang-format off
        QTest::newRow("visitor")             << false << "" << "1" << 2;
        QTest::newRow("customer")            << true << "" << "2" << 3;
        QTest::newRow("holder")              << true << "产品详情" << "3" << 4;
        QTest::newRow("holder, signed out")  << false << "产品详情" << "3" << 4;
        // clang-format on
    }

    void announcementLevels()
    {
        QFETCH(bool, signedIn);
        QFETCH(QString, belongto);
        QFETCH(QString, level);
        QFETCH(int, count);
        if (signedIn)
            m_phone->signIn();
        QZMoreDetailViewController *more = openMore("CL001", belongto);
        QTRY_COMPARE(m_phone->sent(kAnnouncements).size(), 1);
        QCOMPARE(m_phone->sent(kAnnouncements).first().params,
                 (QJsonObject{{"prod_code", "CL001"},
                              {"is_display", "1"},
                              {"status", "1"},
                              {"notice_level", level}}));
        auto *table = more->findChild<TableView *>("tableView");
        QTRY_COMPARE(table->numberOfRowsInSection(0), count);
        QVERIFY(visibleText(cellAt(table, 0), "detailLabel").startsWith("澄岚·稳盈1号"));
        QVERIFY(!more->findChild<QWidget *>("footView")->isVisibleTo(more));
    }

    void noAnnouncementsShowsTheNote()
    {
        QZMoreDetailViewController *more = openMore("CL003");
        QWidget *foot = more->findChild<QWidget *>("footView");
        QTRY_VERIFY(foot->isVisibleTo(more));
        QCOMPARE(more->findChild<TableView *>("tableView")->numberOfRowsInSection(0), 0);
        QVERIFY(
            foot->findChildren<QLabel *>().constFirst()->text().contains("该产品暂未发布公告书"));
    }

    void announcementsNetworkFailure()
    {
        m_phone->gateway().setFault(kAnnouncements, GatewayFault::status(500));
        QZMoreDetailViewController *more = openMore("CL001");
        QCOMPARE(m_phone->waitForAlertMessage(), QString("您还没有连接到网络"));
        QCOMPARE(more->findChild<TableView *>("tableView")->numberOfRowsInSection(0), 0);
    }

    void announcementShowsItsText()
    {
        auto *page = openAnnouncement("澄岚·稳盈1号成立公告");
        QVERIFY(page);
        QCOMPARE(page->title(), QString("公告详情"));
        QCOMPARE(text(page, "cpmcLabel"), QString("澄岚·稳盈1号成立公告"));
        auto *web = page->findChild<WebView *>("contentWebView");
        QVERIFY(web->plainText().contains("实际募集规模3亿元"));
        // Its picture is asked from the media server, not from a path without a host.
        QVERIFY(
            web->html().contains(QStringLiteral("src=\"%1/upload/user/1/news/announce-CL001.png\"")
                                     .arg(AppConfig::mediaBase())));
        QVERIFY(!web->html().contains("\"/upload/user/1"));
    }

    void attachment_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::newRow("downloaded and shown") << false;
        QTest::newRow("missing leaves the earlier file") << true;
    }

    void attachment()
    {
        QFETCH(bool, missing);
        if (missing)
            m_phone->gateway().setFault("media", GatewayFault::status(404));
        const QString path = ProductAnnouncementViewController::documentPath();
        QCOMPARE(QFileInfo(path).fileName(), QString("down_form.pdf"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an earlier document");
        }
        auto *page = openAnnouncement("澄岚·稳盈1号信托计划说明书");
        QVERIFY(page);
        QVERIFY(tap(page, "ckfjButton"));
        auto *attachment = m_phone->top<ProductAnnouncementViewController>();
        QVERIFY(attachment);
        QCOMPARE(text(attachment, "titleLabel"), QString("澄岚·稳盈1号信托计划说明书"));
        auto *web = attachment->findChild<WebView *>("contentWebView");
        QFile stored(path);
        if (missing) {
            QTRY_VERIFY(web->plainText().contains("该附件暂时无法查看"));
            QVERIFY(!web->isShowingPdf());
            QVERIFY(stored.open(QIODevice::ReadOnly));
            QCOMPARE(stored.readAll(), QByteArray("an earlier document"));
        } else {
            QTRY_VERIFY(web->isShowingPdf());
            QVERIFY(web->pdfPageCount() > 0);
            QVERIFY(stored.open(QIODevice::ReadOnly));
            QVERIFY(stored.readAll().startsWith("%PDF"));
        }
    }

private:
    modelForProd product(const QString &code) const
    {
        return RecordMapper::map<modelForProd>(m_phone->record("products", "w_cpdm", code));
    }

    QZDetailProductViewController *openDetail(const QString &code,
                                              const QString &belongto = QString())
    {
        auto *detail = new QZDetailProductViewController;
        detail->setModel(product(code));
        detail->setBelongto(belongto);
        return m_phone->push(detail);
    }

    QZMoreDetailViewController *openMore(const QString &code, const QString &belongto = QString())
    {
        auto *more = new QZMoreDetailViewController;
        more->setCpdm(code);
        more->setDetailLabeltitle(product(code).w_cpmc);
        more->setBelongto(belongto);
        return m_phone->push(more);
    }

    // The announcement of that title, opened from CL001's list.
    ProductDetailViewController *openAnnouncement(const QString &title)
    {
        QZMoreDetailViewController *more = openMore("CL001");
        auto *table = more->findChild<TableView *>("tableView");
        if (!QTest::qWaitFor([table]() { return table->numberOfRowsInSection(0) > 0; }, 5000))
            return nullptr;
        for (int i = 0; i < more->dataArray().size(); ++i) {
            if (more->dataArray().at(i).title == title)
                table->tapRowAtIndexPath({0, i});
        }
        return m_phone->top<ProductDetailViewController>();
    }

    AlertController *openForm(QZDetailProductViewController *detail)
    {
        m_phone->dismissAlerts();
        return BookingFormDriver::open(m_phone->window(), detail);
    }

    static void typeInto(QWidget *screen, const char *name, const QString &typed)
    {
        auto *field = screen->findChild<QLineEdit *>(name);
        field->setFocus();
        QTest::keyClicks(field, typed);
    }

    static QPushButton *yuyue(QWidget *detail)
    {
        return detail->findChild<QPushButton *>("yuyueButton");
    }

    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestProductDetail)
#include "test_product_detail.moc"

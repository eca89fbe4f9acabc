// The activity screens against the demo gateway: the customer's registrations, the catalogue
// with its periods and states, what the detail offers to whom, registration with its places
// check, and the questionnaire; registration and answers are confirmed even after leaving.
#include "ActivityForms.h"
#include "AlertController.h"
#include "AppConfig.h"
#include "BaseNavigationViewController.h"
#include "Formatting.h"
#include "LoadMoreFooter.h"
#include "NotificationCenter.h"
#include "QZAddCustomViewController.h"
#include "QZCustomDetailViewController.h"
#include "QZCustomViewController.h"
#include "QZFeedbackViewController.h"
#include "QZactivityViewController.h"
#include "RecordMapper.h"
#include "ScreenFixture.h"
#include "SessionStore.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "Telephone.h"
#include "WebView.h"

#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace ScreenProbe;

Q_DECLARE_METATYPE(GatewayFault)

namespace {

const QString kRegister = QStringLiteral("166005");
const QString kAnswer = QStringLiteral("166018");
const QString kSurvey = QStringLiteral("2026年客户满意度问卷调查");

TableView *tableOf(QWidget *screen)
{
    return screen->findChild<TableView *>("tableView");
}

// Key presses carrying any text, Chinese included, as an input method delivers them.
void type(QWidget *field, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

int indexOf(const QList<QZActivityModel> &activities, const QString &name)
{
    for (int i = 0; i < activities.size(); ++i) {
        if (activities.at(i).activity_name == name)
            return i;
    }
    return -1;
}

} // namespace

class TestActivityScreens final : public QObject
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

    void myRegistrationsPageByPage()
    {
        m_phone->signIn();
        SessionStore::storeMyDic(SessionStore::currentCustomer());
        auto *mine = m_phone->push(new QZactivityViewController);
        QCOMPARE(mine->title(), QString("客户活动"));
        QTRY_COMPARE(tableOf(mine)->numberOfRowsInSection(0), 4);
        const SentRequest first = m_phone->sent("166004").first();
        QCOMPARE(first.params, (QJsonObject{{"zjhm", "310104198803162418"}}));
        QCOMPARE(first.paramsExt, (QJsonObject{{"row_count", "10"}, {"row_offset", "0"}}));
        // Newest first: today's registration, a confirmed one, then a cancelled one.
        TableViewCell *cell = cellAt(tableOf(mine), 0);
        QCOMPARE(text(cell, "titleLabel"), mine->dataArray().first().activity_name);
        QCOMPARE(text(cell, "timeLabel").size(), 21); // yyyy-MM-dd~yyyy-MM-dd
        QCOMPARE(text(cell, "statusLabel"), QString("已报名"));
        QCOMPARE(text(cellAt(tableOf(mine), 1), "statusLabel"), QString("报名成功"));
        QCOMPARE(text(cellAt(tableOf(mine), 2), "statusLabel"), QString("报名取消"));
        QCOMPARE(visibleText(mine, "dhButton"), "如有修改，请致电：" + AppConfig::hotlineDisplay());
        QCOMPARE(visibleText(mine, "wyyButton"), QString("<hidden wyyButton>"));
        tableOf(mine)->loadMoreFooter()->beginRefreshing();
        QTRY_COMPARE(m_phone->toastTexts(), QStringList{"没有更多数据了！"});
        QCOMPARE(m_phone->sent("166004").last().paramsExt["row_offset"], QJsonValue("4"));
    }

    void noRegistrationLeadsToTheCatalogue()
    {
        auto *mine = m_phone->push(new QZactivityViewController);
        QTRY_VERIFY(mine->findChild<QWidget *>("wyyButton")->isVisibleTo(mine));
        QVERIFY(!tableOf(mine)->isVisibleTo(mine));
        QCOMPARE(visibleText(mine, "dhButton"), QString("<hidden dhButton>"));
        QCOMPARE(visibleText(mine, "wyyLabel"), QString("您还没有报名参加任何活动"));
        QVERIFY(tap(mine, "wyyButton"));
        QVERIFY(m_phone->top<QZCustomViewController>());

        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        m_phone->nav()->popViewControllerAnimated(false);
        mine->LeftNavigationButtonClick();
        QCOMPARE(postedNames(posted), QStringList{Notification::Appearance});
        QCOMPARE(m_phone->nav()->viewControllers().size(), 1);
    }

    // The period tests of the logic, one row per look; the edges are open.
    void catalogueShowsPeriodsAndStates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("openHeader");
        QTest::addColumn<QString>("state");
        // clang-format off
        QTest::newRow("opens today")                << "健康养生讲座" << true << "我要参与>>";
        QTest::newRow("status 3 inside the period") << "秋季徒步活动" << true << "报名已结束";
        QTest::newRow("not started")                << "新春茶话会" << false << "报名未开始";
        QTest::newRow("questionnaire not started")  << "新产品需求问卷" << false << "问卷调查未开始";
        // clang-format on
    }

    void catalogueShowsPeriodsAndStates()
    {
        QFETCH(QString, name);
        QFETCH(bool, openHeader);
        QFETCH(QString, state);
        auto *catalogue = m_phone->push(new QZCustomViewController);
        QCOMPARE(catalogue->title(), QString("客户活动"));
        QTRY_COMPARE(tableOf(catalogue)->numberOfSections(), 10);
        catalogue->footerRereshing();
        QTRY_COMPARE(tableOf(catalogue)->numberOfSections(), 14);
        const QJsonObject order{{"booking_start_time", "desc"}};
        QCOMPARE(m_phone->sent("164008").first().paramsExt,
                 (QJsonObject{{"row_count", "10"}, {"row_offset", "0"}, {"orderby", order}}));
        QCOMPARE(m_phone->sent("164008").last().paramsExt["orderby"], QJsonValue(order));

        const int section = indexOf(catalogue->dataArray(), name);
        TableViewCell *cell = cellAt(tableOf(catalogue), 0, section);
        QCOMPARE(text(cell, "nameLabel"), name);
        QCOMPARE(text(cell, "activeState"), state);
        const QZActivityModel &activity = catalogue->dataArray().at(section);
        const QString header =
            "   报名时间:" + Formatting::GetFormateDate(activity.booking_start_time) + "~" +
            Formatting::GetFormateDate(activity.booking_end_time);
        QLabel *headerLabel = nullptr;
        for (QLabel *label : tableOf(catalogue)->findChildren<QLabel *>("periodHeader")) {
            if (label->isVisible() && label->text() == header)
                headerLabel = label;
        }
        QVERIFY(headerLabel);
        QCOMPARE(headerLabel->styleSheet().contains("#aedeff"), openHeader);

        // The state button opens the activity, as the row does.
        QTest::mouseClick(cell->findChild<QPushButton *>("activeState"), Qt::LeftButton);
        QCOMPARE(m_phone->top<QZCustomDetailViewController>()->model().id, activity.id);
    }

    // What the detail offers, one row per kind of action area.
    void detailOffersWhatTheCustomerMayDo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("khbh");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("visitor: both ways")           << "2026年度客户答谢会" << "" << QStringList{"onlineView", "phoneView"} << "";
        QTest::newRow("customer: online only")        << "财富管理讲座：家庭资产配置" << "100001" << QStringList{"onlineView"} << "";
        QTest::newRow("type not admitted: nothing")   << "私享理财沙龙" << "100002" << QStringList() << "";
        QTest::newRow("status 2: nothing")            << "艺术鉴赏沙龙" << "100001" << QStringList() << "";
        QTest::newRow("not started")                  << "新春茶话会" << "100001" << QStringList{"finishButton"} << "报名未开始";
        QTest::newRow("questionnaire open")           << kSurvey << "" << QStringList{"cywjdcLabel"} << "参与问卷调查";
        // clang-format on
    }

    void detailOffersWhatTheCustomerMayDo()
    {
        QFETCH(QString, name);
        QFETCH(QString, khbh);
        QFETCH(QStringList, shown);
        QFETCH(QString, text);
        if (!khbh.isEmpty())
            m_phone->signIn(khbh);
        QZCustomDetailViewController *detail = openDetail(name);
        QCOMPARE(ScreenProbe::text(detail, "activityName"), name);
        QCOMPARE(ScreenProbe::text(detail, "hdddLabel"),
                 "活动地点：" + detail->model().activity_place);
        QVERIFY(ScreenProbe::text(detail, "hdsjLabel").startsWith("活动时间:"));
        for (const char *control : {"onlineView", "phoneView", "finishButton", "cywjdcLabel"}) {
            QCOMPARE(detail->findChild<QWidget *>(control)->isVisibleTo(detail),
                     shown.contains(control));
        }
        if (!text.isEmpty()) {
            QCOMPARE(ScreenProbe::text(detail, shown.first().toLatin1()), text);
            QCOMPARE(detail->findChild<QWidget *>("cywjdcLabel")->isEnabled(),
                     text == "参与问卷调查");
        }
    }

    void detailFollowsASignInOnTheWay()
    {
        QZCustomDetailViewController *detail = openDetail("私享理财沙龙");
        QVERIFY(detail->findChild<QWidget *>("onlineView")->isVisibleTo(detail));
        m_phone->push(new RootViewController); // the sign-in screen, say
        m_phone->signIn("100002");             // a type the activity does not invite
        m_phone->nav()->popViewControllerAnimated(false);
        QVERIFY(!detail->findChild<QWidget *>("onlineView")->isVisibleTo(detail));
        QVERIFY(!detail->findChild<QWidget *>("actionPanel")->isVisibleTo(detail));
    }

    void detailShowsTheDescriptionAtItsHeight()
    {
        QZCustomDetailViewController *detail = openDetail("2026年度客户答谢会");
        auto *web = detail->findChild<WebView *>("contentWebView");
        QVERIFY(web->html().contains(m_phone->gateway().mediaBaseUrl().toString()));
        QTRY_COMPARE(web->height(), web->contentHeight());
        QVERIFY(web->height() > 100);
        QVERIFY(detail->findChild<QWidget *>("scrollContent")->height() >= 900);
    }

    void onlineRegistrationChecksThePlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<QStringList>("toasts");
        // clang-format off
        QTest::newRow("visitor: signs in first")  << "财富管理讲座：家庭资产配置" << false << "LoginViewController" << QStringList();
        QTest::newRow("20 of 20 taken: full")     << "亲子科普营" << true << "QZCustomDetailViewController" << QStringList{"可参与人数已满，敬请期待下一次活动！"};
        QTest::newRow("18 of 20 taken: the form") << "财富管理讲座：家庭资产配置" << true << "QZAddCustomViewController" << QStringList();
        // clang-format on
    }

    void onlineRegistrationChecksThePlaces()
    {
        QFETCH(QString, name);
        QFETCH(bool, signedIn);
        QFETCH(QString, opens);
        QFETCH(QStringList, toasts);
        if (signedIn)
            m_phone->signIn();
        QZCustomDetailViewController *detail = openDetail(name);
        QVERIFY(tap(detail, "onlineView"));
        if (signedIn) // a second tap while the places are asked for opens nothing more
            QVERIFY(tap(detail, "onlineView"));
        QTRY_COMPARE(m_phone->nav()->topViewController()->metaObject()->className(), opens);
        QTRY_COMPARE(m_phone->toastTexts(), toasts);
        QCOMPARE(m_phone->sent("166017").size(), signedIn ? 1 : 0);
        if (auto *form = m_phone->top<QZAddCustomViewController>()) {
            QCOMPARE(m_phone->sent("166017").first().params,
                     (QJsonObject{{"activity_id", detail->model().id}}));
            QCOMPARE(form->ybmModel().joined_num, QString("18"));
            QCOMPARE(form->activityModel().id, detail->model().id);
        }
    }

    void telephoneRegistrationDials()
    {
        Telephone::setHandler([](const QString &) { return false; });
        QZCustomDetailViewController *detail = openDetail("2026年度客户答谢会");
        QVERIFY(tap(detail, "phoneView"));
        QCOMPARE(Telephone::dialedUrls().last(), "tel://" + AppConfig::hotline());
        QCOMPARE(m_phone->alert()->title(), QString("温馨提示"));
        QCOMPARE(m_phone->alert()->message(), QString("该设备不支持拨号！"));
    }

    // The form's checks are the logic's test; here one refusal, and what is sent.
    void registrationSendsAndLeaves()
    {
        m_phone->signIn();
        QZAddCustomViewController *form = openForm("财富管理讲座：家庭资产配置", "18");
        const QZActivityModel activity = form->activityModel(); // the form goes by itself
        form->setPopDelay(0);
        fill(form, "", "13812345678", "3");
        QVERIFY(tap(form, "nextButton"));
        QCOMPARE(m_phone->waitForAlertMessage(),
                 QString("非常抱歉，由于参与名额限制，目前还剩余报名人数为2"));
        m_phone->dismissAlerts();
        form->findChild<QLineEdit *>("numberTextField")->clear();
        fill(form, "王澄宇", "", "2");
        QVERIFY(tap(form, "nextButton"));
        QTRY_COMPARE(m_phone->toastTexts(), QStringList{"活动预约成功"});
        QCOMPARE(m_phone->toastDurations(), QList<double>{1.5});
        QCOMPARE(m_phone->sent(kRegister).size(), 1);
        // The constant fields are the logic's; what the form fills in is checked here.
        const QJsonObject sent = m_phone->sent(kRegister).first().params;
        QCOMPARE(sent, ActivityForms::registrationParams(activity, "100001", "王澄宇",
                                                         "13812345678", "2"));
        QCOMPARE(sent["booking_count"], QJsonValue("2"));
        QCOMPARE(sent["activity_id"], QJsonValue(activity.id));
        QCOMPARE(m_phone->gateway().records("registrations").size(), 5); // the server took it
        QTRY_COMPARE(m_phone->nav()->viewControllers().size(), 1);
    }

    void registrationFailures_data()
    {
        QTest::addColumn<GatewayFault>("fault");
        QTest::addColumn<QString>("alert");
        // clang-format off
        QTest::newRow("no network: its own wording") << GatewayFault::status(500) << "您还没有连接网络";
        QTest::newRow("refused: the prompt")         << GatewayFault::refuse("报名已截止") << "报名已截止";
        // clang-format on
    }

    void registrationFailures()
    {
        QFETCH(GatewayFault, fault);
        QFETCH(QString, alert);
        m_phone->signIn();
        m_phone->gateway().setFault(kRegister, fault);
        QZAddCustomViewController *form = openForm("2026年度客户答谢会", "57");
        fill(form, "", "13812345678", "1");
        QVERIFY(tap(form, "nextButton"));
        QCOMPARE(m_phone->waitForAlertMessage(), alert);
        QCOMPARE(m_phone->top<QZAddCustomViewController>(), form);
        QVERIFY(m_phone->toastTexts().isEmpty());
    }

    // The questionnaire: visitors too; a telephone may be left out but not be wrong.
    void questionnaireSends_data()
    {
        QTest::addColumn<QString>("khbh");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("alert");
        // clang-format off
        QTest::newRow("visitor, no telephone")   << "" << "" << "";
        QTest::newRow("customer with telephone") << "100001" << "13812345678" << "";
        QTest::newRow("no digit")                << "" << "abcdefg" << "请留下正确的手机号";
        // clang-format on
    }

    void questionnaireSends()
    {
        QFETCH(QString, khbh);
        QFETCH(QString, phone);
        QFETCH(QString, alert);
        if (!khbh.isEmpty())
            m_phone->signIn(khbh);
        QZFeedbackViewController *feedback = openQuestionnaire();
        const QString activityId = feedback->activityModel().id; // the screen goes by itself
        feedback->setPopDelay(0);
        QCOMPARE(feedback->title(), QString("问卷调查"));
        QVERIFY(tap(feedback, "commitButton"));
        QCOMPARE(m_phone->waitForAlertMessage(), QString("您还没有留下您宝贵的意见"));
        m_phone->dismissAlerts();
        type(feedback->findChild<QPlainTextEdit *>("textView"), "服务很好");
        QTest::keyClicks(feedback->findChild<QLineEdit *>("telephoneTextField"), phone);
        QVERIFY(tap(feedback, "commitButton"));
        if (!alert.isEmpty()) {
            QCOMPARE(m_phone->waitForAlertMessage(), alert);
            QVERIFY(m_phone->sent(kAnswer).isEmpty());
            return;
        }
        QTRY_COMPARE(m_phone->toastTexts(), QStringList{"问卷调查提交成功"});
        QCOMPARE(m_phone->toastDurations(), QList<double>{2.5});
        QCOMPARE(m_phone->sent(kAnswer).first().params, (QJsonObject{{"khbh", khbh},
                                                                     {"sjhm", phone},
                                                                     {"activity_id", activityId},
                                                                     {"pcontent", "服务很好"},
                                                                     {"system_type", "3"}}));
        QTRY_COMPARE(m_phone->nav()->viewControllers().size(), 1);
    }

    void questionnaireKeepsFiveHundredCharacters()
    {
        QZFeedbackViewController *feedback = openQuestionnaire();
        auto *textView = feedback->findChild<QPlainTextEdit *>("textView");
        QCOMPARE(visibleText(feedback, "countLabel"), QString("已输入：0/500"));
        QVERIFY(feedback->findChild<QLabel *>("placeHolderLabel")->isVisible());
        type(textView, "好");
        QVERIFY(!feedback->findChild<QLabel *>("placeHolderLabel")->isVisible());
        QCOMPARE(text(feedback, "countLabel"), QString("已输入：1/500"));
        QTest::keyClick(textView, Qt::Key_Return); // ends editing, no line break
        QVERIFY(!textView->hasFocus());
        QCOMPARE(textView->toPlainText(), QString("好"));
        textView->setFocus();
        QTest::keyClicks(textView, QString(500, u'a'));
        QCOMPARE(m_phone->waitForAlertMessage(), QString("字符个数不能大于500"));
        QCOMPARE(textView->toPlainText().size(), 500);
        QCOMPARE(text(feedback, "countLabel"), QString("已输入：500/500"));
    }

    // A change the server accepted is confirmed over whatever screen the customer went to,
    // and sent once however often it was tapped.
    void changeAnsweredAfterLeavingIsConfirmed_data()
    {
        QTest::addColumn<bool>("registration");
        QTest::addColumn<QString>("toast");
        // clang-format off
        QTest::newRow("registration")  << true << "活动预约成功";
        QTest::newRow("questionnaire") << false << "问卷调查提交成功";
        // clang-format on
    }

    void changeAnsweredAfterLeavingIsConfirmed()
    {
        QFETCH(bool, registration);
        QFETCH(QString, toast);
        m_phone->signIn();
        m_phone->push(new RootViewController);
        QPointer<RootViewController> screen;
        if (registration) {
            QZAddCustomViewController *form = openForm("2026年度客户答谢会", "57");
            fill(form, "", "13812345678", "1");
            screen = form;
        } else {
            QZFeedbackViewController *feedback = openQuestionnaire();
            type(feedback->findChild<QPlainTextEdit *>("textView"), "很好");
            screen = feedback;
        }
        const QString code = registration ? kRegister : kAnswer;
        m_phone->gateway().setFault(code, GatewayFault::delay(300));
        const char *submit = registration ? "nextButton" : "commitButton";
        QVERIFY(tap(screen, submit));
        QVERIFY(tap(screen, submit));
        screen->LeftNavigationButtonClick();
        QTRY_VERIFY(screen.isNull());
        QTRY_COMPARE(m_phone->toastTexts(), QStringList{toast});
        QCOMPARE(m_phone->sent(code).size(), 1);
        QCOMPARE(m_phone->nav()->viewControllers().size(), 2); // nothing else popped
    }

private:
    QZActivityModel activity(const QString &name) const
    {
        QJsonObject record = m_phone->record("activities", "activity_name", name);
        record.insert("system_time", m_phone->gateway().today().toString("yyyyMMdd"));
        return RecordMapper::map<QZActivityModel>(record);
    }
    QZCustomDetailViewController *openDetail(const QString &name)
    {
        auto *detail = new QZCustomDetailViewController;
        detail->setModel(activity(name));
        return m_phone->push(detail);
    }
    QZAddCustomViewController *openForm(const QString &name, const QString &joined)
    {
        auto *form = new QZAddCustomViewController;
        form->setActivityModel(activity(name));
        YbmNumberModel ybm;
        ybm.joined_num = joined;
        form->setYbmModel(ybm);
        return m_phone->push(form);
    }
    QZFeedbackViewController *openQuestionnaire()
    {
        auto *feedback = new QZFeedbackViewController;
        feedback->setActivityModel(activity(kSurvey));
        return m_phone->push(feedback);
    }
    static void fill(QWidget *form, const QString &name, const QString &phone,
                     const QString &number)
    {
        type(form->findChild<QLineEdit *>("nameTextField"), name);
        type(form->findChild<QLineEdit *>("phoneTextField"), phone);
        type(form->findChild<QLineEdit *>("numberTextField"), number);
    }

    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestActivityScreens)
#include "test_activity_screens.moc"

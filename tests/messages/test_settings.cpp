// The settings screen against the demo gateway, with the real gesture lock: the profile, the
// change of sex, the gesture switch both ways, the rows that lead elsewhere, the signed-out
// rule; and the help answer page.
#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "GestureScreens.h"
#include "KVGestureViewController.h"
#include "MessageScreens.h"
#include "NavigationItem.h"
#include "NetworkActivityIndicator.h"
#include "NotificationCenter.h"
#include "QZHelpViewController.h"
#include "QZLoginModel.h"
#include "QZSettingViewController.h"
#include "RecordMapper.h"
#include "ScreenFixture.h"
#include "ScreenRegistry.h"
#include "SessionStore.h"
#include "TableView.h"
#include "TableViewCell.h"
#include "WNCircleView.h"
#include "WebView.h"

#include <QJsonArray>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace ScreenProbe;

namespace {

const QString kProfile = QStringLiteral("166000");
const QString kChangeSex = QStringLiteral("166012");

TableView *tableOf(QWidget *screen)
{
    return screen->findChild<TableView *>("tableView");
}

QString detailOf(QZSettingViewController *settings, int row, int section = 0)
{
    return visibleText(cellAt(tableOf(settings), row, section), "detailLabel");
}

// The gesture rows as the customer sees them: each row's title, detail and switch.
QStringList securityRows(QZSettingViewController *settings)
{
    QStringList out;
    TableView *table = tableOf(settings);
    for (int row = 0; row < table->numberOfRowsInSection(1); ++row) {
        TableViewCell *cell = cellAt(table, row, 1);
        auto *toggle = cell->findChild<QPushButton *>("checkBox");
        out.append(text(cell, "nameLabel") + '|' + text(cell, "detailLabel") +
                   (toggle->isVisibleTo(cell) ? '|' + toggle->accessibleName() : QString()));
    }
    return out;
}

// Drags through the circles of the lock on top, as a finger would.
void draw(ScreenFixture &phone, const QString &digits)
{
    auto *pad = phone.top<KVGestureViewController>()->drawingInterfaceView();
    const auto at = [pad](QChar d) { return pad->centerOfCircle(d.digitValue()).toPoint(); };
    QTest::mousePress(pad, Qt::LeftButton, {}, at(digits.front()));
    for (const QChar d : digits.mid(1))
        QTest::mouseMove(pad, at(d));
    QTest::mouseRelease(pad, Qt::LeftButton, {}, at(digits.back()));
}

} // namespace

Q_DECLARE_METATYPE(GatewayFault)

class TestSettings final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.*.debug=false");
        registerMessageScreens();
        registerGestureScreens();
    }
    void init()
    {
        m_phone = std::make_unique<ScreenFixture>();
        QVERIFY(m_phone->isReady());
    }
    void cleanup() { m_phone.reset(); }

    // Name and numbers from the stored copy, the sex from the server's profile.
    void profileRows_data()
    {
        QTest::addColumn<QString>("xb");
        QTest::addColumn<QString>("sex");
        // clang-format off
        QTest::newRow("server 1: 男")        << "1" << "男";
        QTest::newRow("server 2: no detail") << "2" << "";
        // clang-format on
    }

    void profileRows()
    {
        QFETCH(QString, xb);
        QFETCH(QString, sex);
        QZSettingViewController *settings = openSettings(xb);
        QCOMPARE(settings->title(), QString("账户设置"));
        QTRY_COMPARE(settings->khxxArray().size(), 1);
        QCOMPARE(m_phone->sent(kProfile).first().params, (QJsonObject{{"khbh", "100001"}}));
        QCOMPARE(tableOf(settings)->numberOfRowsInSection(0), 6);
        QCOMPARE(detailOf(settings, 0), QString("王澄宇"));
        QCOMPARE(detailOf(settings, 1), sex);
        QCOMPARE(detailOf(settings, 2), QString("310104198803162418"));
        QCOMPARE(detailOf(settings, 3), QString("13812345678"));
        QCOMPARE(detailOf(settings, 4), QString("去修改"));
        QCOMPARE(securityRows(settings),
                 (QStringList{"登录密码|去修改", "手势密码||手势密码已关闭"}));
    }

    // The sheet "请选择性别": a pick shows at once and is sent with the profile's fields.
    void pickingASex_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<GatewayFault>("fault");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("toasts");
        QTest::addColumn<QString>("alert");
        const GatewayFault none = GatewayFault::delay(0);
        // clang-format off
        QTest::newRow("女: sent as 2")          << "女" << none << "女" << QStringList{"性别修改成功"} << "";
        QTest::newRow("男 over 男: sent as 1")  << "男" << none << "男" << QStringList{"性别修改成功"} << "";
        QTest::newRow("refused: the pick stays") << "女" << GatewayFault::refuse("修改失败") << "女" << QStringList() << "修改失败";
        QTest::newRow("no network")              << "女" << GatewayFault::status(500) << "女" << QStringList() << "您还没有连接到网络";
        QTest::newRow("取消: nothing sent")      << "取消" << none << "男" << QStringList() << "";
        // clang-format on
    }

    void pickingASex()
    {
        QFETCH(QString, button);
        QFETCH(GatewayFault, fault);
        QFETCH(QString, shown);
        QFETCH(QStringList, toasts);
        QFETCH(QString, alert);
        m_phone->gateway().setFault(kChangeSex, fault);
        QZSettingViewController *settings = openSettings("1");
        QTRY_COMPARE(detailOf(settings, 1), QString("男"));
        tableOf(settings)->tapRowAtIndexPath({0, 1});
        AlertController *sheet = m_phone->alert();
        QVERIFY(sheet);
        QCOMPARE(sheet->style(), AlertController::Style::ActionSheet);
        QCOMPARE(sheet->title(), QString("请选择性别"));
        QCOMPARE(sheet->actionTitles(), (QStringList{"男", "女", "取消"}));
        QVERIFY(sheet->tapAction(button));
        QTRY_COMPARE(detailOf(settings, 1), shown);
        if (button == "取消") {
            QCOMPARE(settings->changeSex(), 0);
            QVERIFY(!NetworkActivityIndicator::instance()->isVisible()); // on at once for a request
            return;
        }
        QTRY_COMPARE(m_phone->sent(kChangeSex).size(), 1);
        const QJsonObject customer = m_phone->gateway().customer("100001");
        QJsonObject expected{{"khbh", "100001"}, {"xb", button == "男" ? "1" : "2"}};
        for (const char *field : {"nickname", "birthday", "txfjid", "sjhm", "gddh", "yxdz"})
            expected.insert(field, customer.value(field).toString());
        QCOMPARE(m_phone->sent(kChangeSex).first().params, expected);
        if (alert.isEmpty()) {
            QTRY_COMPARE(m_phone->toastTexts(), toasts);
            QCOMPARE(m_phone->toastDurations(), QList<double>{0.5});
        } else {
            QCOMPARE(m_phone->waitForAlertMessage(), alert);
            QCOMPARE(m_phone->toastTexts(), toasts);
        }
        QVERIFY(!settings->findChild<QWidget *>("loadingView") ||
                !settings->findChild<QWidget *>("loadingView")->isVisible());
        QCOMPARE(detailOf(settings, 1), shown);
    }

    void noProfileNoChangeOfSex()
    {
        m_phone->gateway().setFault(kProfile, GatewayFault::status(500));
        QZSettingViewController *settings = openSettings("1");
        QCOMPARE(m_phone->waitForAlertMessage(), QString("您还没有连接到网络"));
        m_phone->dismissAlerts();
        QCOMPARE(detailOf(settings, 0), QString());
        tableOf(settings)->tapRowAtIndexPath({0, 1});
        QCOMPARE(m_phone->waitForAlertMessage(), QString("未能获取您的个人信息，暂时无法修改性别"));
        QCOMPARE(m_phone->alert()->style(), AlertController::Style::Alert);
        QVERIFY(!NetworkActivityIndicator::instance()->isVisible()); // nothing sent
    }

    // The switch sets a gesture when it is off and checks it (switching it off) when on.
    void gestureSwitchRoundTrip()
    {
        QZSettingViewController *settings = openSettings("1");
        QCOMPARE(tableOf(settings)->numberOfRowsInSection(1), 2);
        QVERIFY(tap(cellAt(tableOf(settings), 1, 1), "checkBox"));
        auto *lock = m_phone->top<KVGestureViewController>();
        QVERIFY(lock);
        QCOMPARE(lock->gesturePasswordType(), KVGestureViewController::kSetType);
        QVERIFY(!lock->IsLogin());
        draw(*m_phone, "14789");
        draw(*m_phone, "14789");
        QCOMPARE(m_phone->top<QZSettingViewController>(), settings);
        QCOMPARE(securityRows(settings),
                 (QStringList{"登录密码|去修改", "手势密码|去修改", "手势密码||手势密码已开启"}));

        QVERIFY(tap(cellAt(tableOf(settings), 2, 1), "checkBox"));
        lock = m_phone->top<KVGestureViewController>();
        QCOMPARE(lock->gesturePasswordType(), KVGestureViewController::kLoginType);
        QVERIFY(!lock->IsLogin());
        draw(*m_phone, "14789");
        QCOMPARE(m_phone->top<QZSettingViewController>(), settings);
        QVERIFY(!SessionStore::passwordIsExist());
        QCOMPARE(securityRows(settings),
                 (QStringList{"登录密码|去修改", "手势密码||手势密码已关闭"}));
    }

    // Rows that lead to other screens, each by its registered name.
    void rowsOpen_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("gestureType");
        // clang-format off
        QTest::newRow("e-mail address")     << 0 << 4 << "QZChangeEmailViewController" << -1;
        QTest::newRow("mobile number")      << 0 << 5 << "ChangePhoneViewController" << -1;
        QTest::newRow("login password")     << 1 << 0 << "QZChangePasswordViewController" << -1;
        QTest::newRow("gesture 去修改")     << 1 << 1 << "KVGestureViewController" << 0;
        QTest::newRow("the switch's row")   << 1 << 2 << "" << -1;
        QTest::newRow("name: nothing")      << 0 << 0 << "" << -1;
        // clang-format on
    }

    void rowsOpen()
    {
        QFETCH(int, section);
        QFETCH(int, row);
        QFETCH(QString, screen);
        QFETCH(int, gestureType);
        for (const char *name : {"QZChangeEmailViewController", "ChangePhoneViewController",
                                 "QZChangePasswordViewController"})
            ScreenRegistry::instance().add(name, [name] {
                auto *stub = new RootViewController;
                stub->setObjectName(name);
                return stub;
            });
        SessionStore::setGestureFinal("14789");
        QZSettingViewController *settings = openSettings("1");
        tableOf(settings)->tapRowAtIndexPath({section, row});
        ViewController *top = m_phone->nav()->topViewController();
        if (screen.isEmpty()) {
            QCOMPARE(top, settings);
            QVERIFY(!m_phone->alert());
        } else if (gestureType >= 0) {
            QCOMPARE(qobject_cast<KVGestureViewController *>(top)->gesturePasswordType(),
                     uint(gestureType));
        } else {
            QCOMPARE(top->objectName(), screen);
        }
    }

    void signedOutItClearsThePasswordAndCloses()
    {
        SessionStore::storeSignIn("身份证", "310104198803162418", "abc123");
        SessionStore::setGestureFinal("14789");
        QPointer<QZSettingViewController> settings = m_phone->push(new QZSettingViewController);
        QCOMPARE(m_phone->nav()->topViewController(), m_phone->opener());
        QTRY_VERIFY(settings.isNull());
        const SavedSignIn saved = SessionStore::savedSignIn().value();
        QCOMPARE(saved.password, QString());
        QCOMPARE(saved.numberID, QString("310104198803162418"));
        QCOMPARE(saved.type, QString("身份证"));
        QVERIFY(!SessionStore::gestureFinal());
        QVERIFY(!NetworkActivityIndicator::instance()->isVisible()); // nothing sent
    }

    void backPostsAppearance()
    {
        QZSettingViewController *settings = openSettings("1");
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QTest::mouseClick(qobject_cast<QPushButton *>(settings->navigationItem()->leftWidget()),
                          Qt::LeftButton);
        QCOMPARE(postedNames(posted), QStringList{Notification::Appearance});
        QCOMPARE(m_phone->nav()->topViewController(), m_phone->opener());
    }

    void helpAnswerShowsQuestionAndAnswer()
    {
        QString error;
        auto *help = qobject_cast<QZHelpViewController *>(ScreenRegistry::instance().create(
            "QZHelpViewController",
            {{"string", "如何修改密码？"}, {"detailString", "<p>在<b>账户设置</b>中修改。</p>"}},
            &error));
        QVERIFY2(help, qPrintable(error));
        m_phone->push(help);
        QCOMPARE(help->title(), QString("帮助中心"));
        QCOMPARE(text(help, "titleLabel"), QString("如何修改密码？"));
        QCOMPARE(help->findChild<WebView *>("webView")->plainText(), QString("在账户设置中修改。"));
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        help->LeftNavigationButtonClick();
        QVERIFY(postedNames(posted).isEmpty());
        QCOMPARE(m_phone->nav()->topViewController(), m_phone->opener());
    }

private:
    // The demo customer signed in with the stored copy of the sign-in, the server's sex set.
    QZSettingViewController *openSettings(const QString &xb)
    {
        const bool loaded = m_phone->testGateway().loadEditedDataset([&xb](QJsonObject &dataset) {
            QJsonArray customers = dataset.value("customers").toArray();
            QJsonObject first = customers.at(0).toObject();
            first.insert("xb", xb);
            customers.replace(0, first);
            dataset.insert("customers", customers);
        });
        if (!loaded)
            qFatal("the demo gateway refused the edited dataset");
        m_phone->signIn();
        SessionStore::storeMyDic(SessionStore::currentCustomer());
        return m_phone->push(new QZSettingViewController);
    }

    std::unique_ptr<ScreenFixture> m_phone;
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"

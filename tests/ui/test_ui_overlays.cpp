// Alerts, action sheets, toasts and the date picker over the phone window.
#include "AlertController.h"
#include "DatePickerSheet.h"
#include "PhoneWindow.h"
#include "RootViewController.h"
#include "TestGateway.h"
#include "Toast.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestUiOverlays : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = new PhoneWindow;
        m_screen = new RootViewController;
        m_window->setRootViewController(m_screen);
        m_window->show();
    }

    void cleanup() { delete m_window; }

    void messageAlertHasOnlyCancel()
    {
        m_screen->createUIAlertControllerWithNSString("您还没有连接到网络");
        AlertController *alert = AlertController::frontMost(m_screen);
        QVERIFY(alert);
        QVERIFY(alert->title().isEmpty());
        QCOMPARE(alert->message(), QString("您还没有连接到网络"));
        QCOMPARE(alert->actionTitles(), QStringList{"取消"});
        QVERIFY(alert->tapAction("取消"));
        QTRY_VERIFY(!AlertController::frontMost(m_screen));
    }

    void serverTextIsNeverReadAsHtml_data()
    {
        QTest::addColumn<QString>("shownIn");
        // clang-format off
        QTest::newRow("alert")        << "alert";
        QTest::newRow("toast")        << "toast";
        QTest::newRow("screen label") << "label";
        // clang-format on
    }

    // HTML from the server would load its pictures, local files included.
    void serverTextIsNeverReadAsHtml()
    {
        QFETCH(QString, shownIn);
        const QString text = QStringLiteral("<b>x</b><img src=\"file:///dev/zero\">");
        QLabel *label = nullptr;
        if (shownIn == "alert") {
            m_screen->createUIAlertControllerWithNSString(text);
            label = AlertController::frontMost(m_screen)->findChild<QLabel *>();
        } else if (shownIn == "toast") {
            m_screen->showToast(text, 1);
            label = m_window->findChild<QLabel *>("toastLabel");
        } else {
            label = new QLabel(m_screen);
            label->setText(text);
            label->show();
        }
        QVERIFY(label);
        QTRY_VERIFY(label->isVisible());
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->sizeHint().height() < 200);
    }

    void buttonRunsItsHandlerOnceAndCloses()
    {
        int called = 0;
        auto *alert = new AlertController(m_screen, "确定退出吗？", QString());
        alert->addAction("确定", AlertController::ActionStyle::Default, [&called]() { ++called; });
        alert->addAction("取消", AlertController::ActionStyle::Cancel);
        alert->open();
        QPushButton *ok = nullptr;
        for (QPushButton *b : alert->findChildren<QPushButton *>())
            if (b->text() == "确定")
                ok = b;
        QVERIFY(ok);
        QTest::mouseClick(ok, Qt::LeftButton);
        QTest::mouseClick(ok, Qt::LeftButton); // a second tap while closing does nothing
        QCOMPARE(called, 1);
        QTRY_VERIFY(!AlertController::frontMost(m_screen));
    }

    void alertIsModal()
    {
        auto *behind = new QPushButton("behind", m_screen);
        behind->setGeometry(10, 10, 100, 40);
        behind->show();
        AlertController *alert = AlertController::showMessage(m_screen, "x");
        const QPoint p = behind->mapTo(m_window, QPoint(5, 5));
        QWidget *hit = m_window->childAt(p);
        QVERIFY(hit == alert || alert->isAncestorOf(hit));
    }

    void textFieldsKeepTheirHints()
    {
        auto *alert = new AlertController(m_screen, "预约", QString());
        alert->addTextField([](QLineEdit *f) {
            f->setPlaceholderText("请输入预约金额(万元)");
            f->setInputMethodHints(Qt::ImhDigitsOnly);
        });
        alert->addTextField([](QLineEdit *f) { f->setPlaceholderText("请输入手机号码"); });
        alert->addAction("取消", AlertController::ActionStyle::Cancel);
        alert->addAction("确定", AlertController::ActionStyle::Default);
        alert->open();
        QCOMPARE(alert->textFields().size(), 2);
        QCOMPARE(alert->textFields().at(0)->placeholderText(), QString("请输入预约金额(万元)"));
        QVERIFY(alert->textFields().at(0)->inputMethodHints() & Qt::ImhDigitsOnly);
    }

    void actionSheetPutsCancelLast()
    {
        QString picked;
        auto *sheet = new AlertController(m_screen, "请选择性别", QString(),
                                          AlertController::Style::ActionSheet);
        sheet->addAction("取消", AlertController::ActionStyle::Cancel);
        sheet->addAction("男", AlertController::ActionStyle::Default,
                         [&picked]() { picked = "男"; });
        sheet->addAction("女", AlertController::ActionStyle::Default,
                         [&picked]() { picked = "女"; });
        sheet->open();
        QCOMPARE(sheet->style(), AlertController::Style::ActionSheet);
        QVERIFY(sheet->tapAction("女"));
        QCOMPARE(picked, QString("女"));
    }

    void toastGoesAwayThenCompletes()
    {
        QSignalSpy shown(ToastEvents::instance(), &ToastEvents::shown);
        bool completed = false;
        m_screen->showToast("登录成功", 0.3, [&completed]() { completed = true; });
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).at(0).toString(), QString("登录成功"));
        QCOMPARE(shown.at(0).at(1).toDouble(), 0.3);
        QVERIFY(!completed);
        QVERIFY(!OverlayView::overlaysOver(m_screen).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(completed, 3000);
        QTRY_VERIFY(OverlayView::overlaysOver(m_screen).isEmpty());
    }

    void toastsTakeTurns()
    {
        QStringList order;
        Toast::showText(m_screen, "第一条", 0.05, [&order]() { order.append("第一条"); });
        Toast::showText(m_screen, "第二条", 0.05, [&order]() { order.append("第二条"); });
        // One at a time: the second waits, unseen, for the first to go.
        QCOMPARE(OverlayView::overlaysOver(m_screen).size(), 1);
        QCOMPARE(qobject_cast<Toast *>(OverlayView::overlaysOver(m_screen).first())->text(),
                 QString("第一条"));
        QTRY_COMPARE(order.size(), 1);
        QTRY_COMPARE(OverlayView::overlaysOver(m_screen).size(), 1);
        QCOMPARE(qobject_cast<Toast *>(OverlayView::overlaysOver(m_screen).first())->text(),
                 QString("第二条"));
        QTRY_COMPARE(order, (QStringList{"第一条", "第二条"}));
    }

    void toastDoesNotBlockTouches()
    {
        Toast::showText(m_screen, "没有更多数据了！", 1.5);
        const auto overlays = OverlayView::overlaysOver(m_screen);
        QCOMPARE(overlays.size(), 1);
        QVERIFY(overlays.first()->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void datePickerKeepsItsBounds()
    {
        QDate picked;
        const QDate min(2020, 1, 1);
        const QDate max(2026, 12, 6);
        DatePickerSheet *sheet = DatePickerSheet::askForDate(
            m_screen, QDate(2025, 5, 5), min, max, [&picked](const QDate &d) { picked = d; });
        QCOMPARE(sheet->date(), QDate(2025, 5, 5));
        sheet->pick(QDate(2030, 1, 1));
        QCOMPARE(picked, max);

        sheet = DatePickerSheet::askForDate(m_screen, QDate(2025, 5, 5), min, max,
                                            [&picked](const QDate &d) { picked = d; });
        sheet->pick(QDate(2001, 1, 1));
        QCOMPARE(picked, min);
    }

private:
    TestGateway m_gateway;
    PhoneWindow *m_window = nullptr;
    RootViewController *m_screen = nullptr;
};

QTEST_MAIN(TestUiOverlays)
#include "test_ui_overlays.moc"

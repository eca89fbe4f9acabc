// The small controls of the UI layer: segmented control, progress bar, link label, the
// loading view and HUD, the paging view and the keyboard manager.
#include "KeyboardManager.h"
#include "LinkLabel.h"
#include "PagingScrollView.h"
#include "PhoneWindow.h"
#include "ProgressBar.h"
#include "ProgressHUD.h"
#include "RootViewController.h"
#include "SegmentedControl.h"
#include "TestGateway.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TestUiControls : public QObject
{
    Q_OBJECT

private slots:
    void segmentedControlSelectsByTap()
    {
        SegmentedControl control({"公司资讯", "关于澄岚信托", "联系我们"});
        control.resize(320, 40);
        control.show();
        QSignalSpy changed(&control, &SegmentedControl::selectedIndexChanged);
        QCOMPARE(control.selectedIndex(), 0);
        QTest::mouseClick(control.findChild<QPushButton *>("segment2"), Qt::LeftButton);
        QCOMPARE(control.selectedIndex(), 2);
        QCOMPARE(changed.size(), 1);
        control.setSelectedIndex(2); // already selected: no signal
        control.setSelectedIndex(7); // out of range: ignored
        QCOMPARE(changed.size(), 1);
        QCOMPARE(control.selectedIndex(), 2);
    }

    void progressStaysBetweenZeroAndOne_data()
    {
        QTest::addColumn<double>("given");
        QTest::addColumn<double>("kept");
        QTest::newRow("half") << 0.5 << 0.5;
        QTest::newRow("below") << -0.2 << 0.0;
        QTest::newRow("above") << 1.7 << 1.0;
        QTest::newRow("not a number") << std::nan("") << 0.0;
    }

    void progressStaysBetweenZeroAndOne()
    {
        QFETCH(double, given);
        QFETCH(double, kept);
        ProgressBar bar;
        bar.setProgress(given);
        QCOMPARE(bar.progress(), kept);
    }

    void linkLabelReportsItsLink()
    {
        LinkLabel label;
        label.setLinkText("立即注册 <新用户>", "register", QColor("#0588e5"));
        QVERIFY(label.text().contains("&lt;新用户&gt;")); // the text is escaped
        QSignalSpy tapped(&label, &LinkLabel::linkTapped);
        emit label.linkActivated("register");
        QCOMPARE(tapped.size(), 1);
        QCOMPARE(tapped.first().first().toString(), QString("register"));
    }

    void loadingViewIsMadeOnceAndReused()
    {
        PhoneWindow window;
        auto *screen = new RootViewController;
        window.setRootViewController(screen);
        window.show();
        screen->initLoadingView();
        QList<OverlayView *> shown = OverlayView::overlaysOver(screen);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first()->objectName(), QString("loadingView"));
        OverlayView *first = shown.first();
        screen->finishLoadingView();
        QVERIFY(OverlayView::overlaysOver(screen).isEmpty());
        screen->initLoadingView();
        QCOMPARE(OverlayView::overlaysOver(screen), QList<OverlayView *>{first});
    }

    void hudShowsAndHides()
    {
        PhoneWindow window;
        auto *screen = new RootViewController;
        window.setRootViewController(screen);
        window.show();
        ProgressHUD::showHUD(screen, "加载中");
        QCOMPARE(OverlayView::overlaysOver(screen).size(), 1);
        ProgressHUD::hideHUD(screen);
        QTRY_VERIFY(OverlayView::overlaysOver(screen).isEmpty());
    }

    void pagingViewTurnsPagesByDragAndReportsTaps()
    {
        PagingScrollView pages;
        pages.resize(320, 160);
        pages.setPages({new QLabel("1"), new QLabel("2"), new QLabel("3")});
        pages.show();
        QSignalSpy changed(&pages, &PagingScrollView::pageChanged);
        QSignalSpy tapped(&pages, &PagingScrollView::pageTapped);
        QTest::mousePress(&pages, Qt::LeftButton, {}, QPoint(300, 80));
        QTest::mouseMove(&pages, QPoint(200, 80));
        QTest::mouseRelease(&pages, Qt::LeftButton, {}, QPoint(100, 80));
        QCOMPARE(pages.currentPage(), 1);
        QCOMPARE(changed.size(), 1);
        QTest::mousePress(&pages, Qt::LeftButton, {}, QPoint(150, 80));
        QTest::mouseMove(&pages, QPoint(146, 80)); // a short move is still a tap
        QTest::mouseRelease(&pages, Qt::LeftButton, {}, QPoint(148, 80));
        QCOMPARE(tapped.size(), 1);
        QCOMPARE(tapped.first().first().toInt(), 1);
        pages.scrollToPage(9, false); // past the end: the last page
        QCOMPARE(pages.currentPage(), 2);
    }

    void focusedFieldIsScrolledIntoView()
    {
        KeyboardManager::start();
        QScrollArea area;
        area.resize(320, 200);
        auto *content = new QWidget;
        auto *column = new QVBoxLayout(content);
        column->addWidget(new QLineEdit); // takes the first focus
        column->addSpacing(800);
        auto *field = new QLineEdit;
        column->addWidget(field);
        area.setWidget(content);
        area.show();
        QApplication::setActiveWindow(&area);
        QVERIFY(QTest::qWaitForWindowActive(&area));
        QCOMPARE(area.verticalScrollBar()->value(), 0);
        field->setFocus();
        QTRY_VERIFY(area.verticalScrollBar()->value() > 0);
    }

private:
    TestGateway m_gateway;
};

QTEST_MAIN(TestUiControls)
#include "test_ui_controls.moc"

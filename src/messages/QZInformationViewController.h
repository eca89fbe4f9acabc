#pragma once

#include "PagedList.h"
#include "QZInformationModel.h"
#include "RootViewController.h"
#include "TableView.h"

#include <memory>

namespace Ui {
class QZInformationViewController;
}
class QUrl;
class SegmentedControl;

// "关于澄岚信托", the root of the news tab: the company news page by page, the page about the
// company and the contact page, one at a time under a three-segment control. It lives as
// long as the tab bar and keeps its rows and segment while another tab is shown.
class QZInformationViewController final : public RootViewController,
                                          private TableViewDataSource,
                                          private TableViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZInformationViewController)

public:
    explicit QZInformationViewController(QWidget *parent = nullptr);
    ~QZInformationViewController() override;

    const QList<QZInformationModel> &dataArray() const { return m_articles->records(); }
    SegmentedControl *segmentedControl() const { return m_segment; }
    void footerRereshing();

private:
    void initNav() override;
    void initUI() override;
    void initData() override;

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    void showSegment(int index);
    void loadStaticPages();
    // The pages' telephone numbers dial; every other link is the web view's.
    bool followLink(const QUrl &url);

    Ui::QZInformationViewController *m_ui;
    SegmentedControl *m_segment;
    std::unique_ptr<PagedList<QZInformationModel>> m_articles;
};

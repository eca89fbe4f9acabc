#include "QZInformationViewController.h"

#include "ui_QZInformationViewController.h"

#include "BaseNavigationViewController.h"
#include "FunctionCodes.h"
#include "QZAboutTableViewCell.h"
#include "QZInfomationDetailViewController.h"
#include "ResourceText.h"
#include "SegmentedControl.h"
#include "Telephone.h"

#include <QHBoxLayout>
#include <QRegularExpression>
#include <QScrollBar>
#include <QUrl>

namespace {
constexpr int kEstimatedRowHeight = 130;
constexpr int kSegmentInset = 10;
const QString kAboutPage = QStringLiteral("about_cl");
const QString kContactPage = QStringLiteral("lxwo");
} // namespace

QZInformationViewController::QZInformationViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZInformationViewController),
      m_segment(new SegmentedControl(
          {QStringLiteral("公司资讯"), QStringLiteral("关于澄岚信托"), QStringLiteral("联系我们")}))
{
    m_ui->setupUi(this);
    auto *segmentLayout = new QHBoxLayout(m_ui->segmentView);
    segmentLayout->setContentsMargins(kSegmentInset, 0, kSegmentInset, 0);
    segmentLayout->addWidget(m_segment);
    m_segment->setAccessibleName(QStringLiteral("资讯分类"));

    connect(m_segment, &SegmentedControl::selectedIndexChanged, this,
            &QZInformationViewController::showSegment);
    const auto followLink = [this](const QUrl &url) { return this->followLink(url); };
    m_ui->gyWebView->setLinkHandler(followLink);
    m_ui->lxWebView->setLinkHandler(followLink);
    m_ui->tableView->addLoadMoreFooter([this]() { footerRereshing(); });
}

QZInformationViewController::~QZInformationViewController()
{
    delete m_ui;
}

void QZInformationViewController::initNav()
{
    setTitle(QStringLiteral("关于澄岚信托"));
}

void QZInformationViewController::initUI()
{
    TableView *table = m_ui->tableView;
    // The list exists before the table first asks for its rows.
    PagedQuery query{FunctionCode::News,
                     {{QStringLiteral("system_type"), QStringLiteral("3")},
                      {QStringLiteral("status"), QStringLiteral("1")}},
                     {{QStringLiteral("begin_time"), QStringLiteral("desc")}}};
    query.emptyText = QStringLiteral("暂无资讯");
    m_articles = std::make_unique<PagedList<QZInformationModel>>(this, table, query);
    table->setDataSource(this);
    table->setDelegate(this);
    table->setStyle(TableView::Style::Grouped); // the grey background
    table->setSectionHeaderHeight(0);
    table->setRowHeight(TableView::kAutomaticDimension);
    table->setEstimatedRowHeight(kEstimatedRowHeight);
    table->setSeparatorsVisible(false);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    loadStaticPages();
    showSegment(m_segment->selectedIndex());
}

void QZInformationViewController::initData()
{
    if (m_articles->size() == 0)
        m_articles->loadFirstPage();
}

void QZInformationViewController::loadStaticPages()
{
    // Both pages resolve their pictures and links against the about page's place.
    const QUrl base(QStringLiteral("qrc") + ResourceText::htmlPath(kAboutPage));
    m_ui->gyWebView->loadHTMLString(ResourceText::html(kAboutPage), base);
    m_ui->lxWebView->loadHTMLString(ResourceText::html(kContactPage), base);
}

bool QZInformationViewController::followLink(const QUrl &url)
{
    if (url.scheme() != QLatin1String("tel"))
        return false;
    QString digits = url.toString(QUrl::RemoveScheme);
    digits.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    if (!Telephone::openURL(QStringLiteral("tel://") + digits))
        createUIAlertControllerWithNSString(QStringLiteral("该设备不支持拨号！"));
    return true;
}

void QZInformationViewController::showSegment(int index)
{
    m_ui->tableView->setVisible(index == 0);
    m_ui->backView->setVisible(index != 0);
    m_ui->gyWebView->setVisible(index == 1);
    m_ui->lxWebView->setVisible(index == 2);
}

void QZInformationViewController::footerRereshing()
{
    m_articles->loadNextPage();
}

int QZInformationViewController::numberOfRowsInSection(TableView *, int)
{
    return m_articles->size();
}

TableViewCell *QZInformationViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                  const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZAboutTableViewCell>();
    cell->setArticle(m_articles->records().at(indexPath.row));
    return cell;
}

void QZInformationViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                          const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    auto *detail = new QZInfomationDetailViewController;
    detail->setModel(m_articles->records().at(indexPath.row));
    navigationController()->pushViewController(detail, true);
}

#include "QZTrustDetailViewController.h"

#include "ui_QZTrustDetailViewController.h"

#include "AppConfig.h"
#include "BaseNavigationViewController.h"
#include "ChartViewModel.h"
#include "Constant.h"
#include "FunctionCodes.h"
#include "NotificationCenter.h"
#include "ProductTexts.h"
#include "QZDetailProductTableViewCell.h"
#include "RXLineChartView.h"
#include "RXUIViewCtg.h"
#include "TapGestureRecognizer.h"
#include "TrustHistoryViewController.h"
#include "UiColor.h"

#include <QLabel>
#include <QLayout>

namespace {

constexpr int kRowHeight = 71;
constexpr int kButtonsHeight = 60;

} // namespace

QZTrustDetailViewController::QZTrustDetailViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZTrustDetailViewController)
{
    m_ui->setupUi(this);
    m_booking = new ProductBooking(
        this, ProductBooking::Kind::Trust,
        {m_ui->yuyueButton, m_ui->teleyuyueButton, m_ui->footView, kButtonsHeight});
    setMainButton(m_ui->yuyueButton);
}

QZTrustDetailViewController::~QZTrustDetailViewController()
{
    delete m_ui;
}

RXLineChartView *QZTrustDetailViewController::lineChartView() const
{
    return m_lineChartView;
}

void QZTrustDetailViewController::viewDidLoad()
{
    changeProduceBuyAbleState();
    initNav();
    initData();
    initjzData();
    initUI();
}

void QZTrustDetailViewController::viewWillAppear(bool)
{
    // The first appearance follows the request viewDidLoad has just sent.
    if (Constant::shareConstant()->IsLogin() && appearanceCount() > 1)
        initjzData();
    changeProduceBuyAbleState();
}

void QZTrustDetailViewController::initNav()
{
    setTitle(QStringLiteral("证券信托产品"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZTrustDetailViewController::initData()
{
    m_fxgm = ProductTexts::trustIssueSize(m_jzmodel.w_xtgm);
    m_rows = {
        {QStringLiteral("产品名称"), m_jzmodel.w_cpmc},
        {QStringLiteral("发行规模"), m_fxgm},
        {QStringLiteral("产品介绍"), m_jzmodel.w_cpjs},
    };
}

void QZTrustDetailViewController::initUI()
{
    m_ui->cpmcLabel->setText(m_jzmodel.w_cpmc);

    TableView *table = m_ui->tableView;
    table->setDataSource(this);
    table->setDelegate(this);
    table->setStyle(TableView::Style::Grouped);
    table->setSectionHeaderHeight(0);
    // Rows are 71 points, and grow for a long name or introduction rather than cut it.
    table->setRowHeight(TableView::kAutomaticDimension);
    table->setEstimatedRowHeight(kRowHeight);
    table->setTableHeaderView(m_ui->headView);
    table->reloadData();

    // One tap for the screen's life: the chart inside is replaced on every answer.
    auto *tap = new TapGestureRecognizer(m_ui->chartView);
    connect(tap, &TapGestureRecognizer::tapped, this,
            &QZTrustDetailViewController::chartViewTapped);

    m_booking->setProduct(m_jzmodel.w_cpdm);
    // Until the product's state is known: usable for a visitor, held back for a customer.
    Booking::ButtonLook look = m_booking->look();
    look.enabled = look.blue = !Constant::shareConstant()->currentUser();
    m_booking->applyLook(look);
}

void QZTrustDetailViewController::initjzData()
{
    // Each answer replaces the series rather than adding to it: on the first appearance of a
    // signed-in customer two requests are out at once.
    sendRequest(
        FunctionCode::NetValues, {{QStringLiteral("w_cpdm"), m_jzmodel.w_cpdm}},
        Request::paging(1000, 0, OrderBy{{QStringLiteral("w_jzrq"), QStringLiteral("asc")}}),
        [this](const ResponseEnvelope &answer) {
            showNetValues(answer.recordsAs<NetProductModel>());
        },
        OnFailure{.then = [this]() { changeProduceBuyAbleState(); }});
}

void QZTrustDetailViewController::showNetValues(const QList<NetProductModel> &records)
{
    m_jzDataArray = records;
    changeProduceBuyAbleState();
    if (m_jzDataArray.isEmpty())
        showToast(QStringLiteral("没有相关净值产品数据啦！"), 1.5);
    reloadChartView();
    // Without values there is nothing to open: the area says so instead of showing an axis.
    const bool empty = m_jzDataArray.isEmpty();
    m_ui->chartHint->setVisible(!empty);
    if (empty && !m_noValues) {
        m_noValues = new QLabel(QStringLiteral("暂无净值数据"), m_ui->chartView);
        m_noValues->setObjectName(QStringLiteral("noNetValuesLabel"));
        m_noValues->setAlignment(Qt::AlignCenter);
        m_noValues->setStyleSheet(QStringLiteral("color: #8e8e93; font-size: 14px;"));
    }
    if (m_noValues) {
        m_noValues->setGeometry(m_ui->chartView->rect());
        m_noValues->setVisible(empty);
        m_noValues->raise();
    }
    // The answer is in date order, so the last value is the newest.
    m_ui->newestLabel->setText(m_jzDataArray.isEmpty() ? QString() : m_jzDataArray.last().w_jz);
    m_ui->detailLabel->setText(ProductTexts::trustStartAmount(m_jzmodel.w_qdje));
    m_ui->zjrgqdLabel->setText(m_jzmodel.w_xtqx);
    m_ui->zjrgkfrLabel->setText(ProductTexts::distributionMethod(m_jzmodel.w_syfpfs));
    m_ui->tableView->reloadData();
}

void QZTrustDetailViewController::reloadChartView()
{
    const QList<RXLineChartView *> charts =
        m_ui->chartView->findChildren<RXLineChartView *>(Qt::FindDirectChildrenOnly);
    qDeleteAll(charts);

    m_ui->headView->layout()->activate(); // the chart takes the chart area's size as it is now
    auto *chart = new RXLineChartView(m_ui->chartView->rect(), m_ui->chartView);
    QRectF frame = chart->frame();
    RXUIViewCtg::setCenterX(frame, chart->screenWidth() / 2);
    chart->setFrame(frame);
    chart->setTopLineSpaceColor(Qt::white);
    chart->setUnderLineSpaceColor(UiColor::colorWithRed(163, 217, 243));
    chart->setDelegate(this);
    chart->setChartInfos(ChartViewModel::chartSeries(m_jzDataArray, AppConfig::now()));
    chart->show();
    m_lineChartView = chart;
}

void QZTrustDetailViewController::chartViewTapped()
{
    if (m_jzDataArray.isEmpty())
        return;
    auto *history = new TrustHistoryViewController;
    history->setJzDataArray(m_jzDataArray);
    navigationController()->pushViewController(history, true);
}

void QZTrustDetailViewController::changeProduceBuyAbleState()
{
    m_booking->applyLook(
        Booking::trustButtonLook(m_jzmodel.w_xszt, m_jzmodel.w_zt, m_booking->look().title));
}

void QZTrustDetailViewController::yuyueClick()
{
    m_booking->yuyueClick();
}

void QZTrustDetailViewController::teleyuyueClcik()
{
    m_booking->teleyuyueClcik();
}

void QZTrustDetailViewController::LeftNavigationButtonClick()
{
    goBack(Notification::Hidden);
}

int QZTrustDetailViewController::numberOfRowsInSection(TableView *, int)
{
    return int(m_rows.size()) + 1;
}

TableViewCell *QZTrustDetailViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                  const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZDetailProductTableViewCell>();
    cell->setMinimumHeight(kRowHeight);
    if (indexPath.row == 0) {
        cell->showHeading(QStringLiteral("产品要素"), false);
    } else {
        const auto &row = m_rows.at(indexPath.row - 1);
        cell->showField(row.first, row.second);
    }
    return cell;
}

void QZTrustDetailViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                          const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
}

#include "QZCustomDetailViewController.h"

#include "ui_QZCustomDetailViewController.h"

#include "ActivityForms.h"
#include "ActivityRules.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "FunctionCodes.h"
#include "LoginViewController.h"
#include "MediaUrl.h"
#include "QZAddCustomViewController.h"
#include "QZFeedbackViewController.h"
#include "RemotePicture.h"
#include "SessionStore.h"
#include "Telephone.h"

namespace {

constexpr int kContentHeight = 900;

} // namespace

QZCustomDetailViewController::QZCustomDetailViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZCustomDetailViewController)
{
    m_ui->setupUi(this);
    connect(m_ui->onlineView, &QPushButton::clicked, this,
            &QZCustomDetailViewController::onlineClick);
    connect(m_ui->phoneView, &QPushButton::clicked, this,
            &QZCustomDetailViewController::phoneClick);
    connect(m_ui->cywjdcLabel, &QPushButton::clicked, this,
            &QZCustomDetailViewController::questionnaireClick);
    // The description is as tall as its page; the outer view does the scrolling.
    connect(m_ui->contentWebView, &WebView::contentHeightChanged, this,
            [this](int height) { m_ui->contentWebView->setFixedHeight(std::max(1, height)); });
    connect(m_ui->contentWebView, &WebView::loadFinished, this, [this]() {
        m_ui->contentWebView->setFixedHeight(std::max(1, m_ui->contentWebView->contentHeight()));
    });
}

QZCustomDetailViewController::~QZCustomDetailViewController()
{
    delete m_ui;
}

void QZCustomDetailViewController::initNav()
{
    setTitle(QStringLiteral("客户活动"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZCustomDetailViewController::initUI()
{
    m_ui->scrollContent->setMinimumHeight(kContentHeight);
    m_ui->activityName->setText(m_model.activity_name);
    m_ui->hdddLabel->setText(ActivityRules::placeText(m_model));
    m_ui->hdsjLabel->setText(ActivityRules::timeText(m_model));
    m_ui->contentWebView->setScrollEnabled(false);
    // Pictures in the description are server paths; without a base URL they need the host.
    m_ui->contentWebView->loadHTMLString(MediaUrl::absoluteHtml(m_model.activity_detail));
    showActionArea();
}

void QZCustomDetailViewController::viewWillAppear(bool)
{
    showActionArea();
}

void QZCustomDetailViewController::resizeEvent(QResizeEvent *event)
{
    RootViewController::resizeEvent(event);
    // The pictures are twice as wide as they are high.
    m_ui->activityImage->setFixedHeight(width() / 2);
    m_ui->activityImage->resize(width(), width() / 2);
    RemotePicture::show(m_ui->activityImage, m_model.rela_path, QStringLiteral("zwtp.gif"));
}

void QZCustomDetailViewController::showActionArea()
{
    const ActivityRules::ActionArea area = ActivityRules::actionArea(
        m_model, Constant::shareConstant()->IsLogin(), SessionStore::currentCustomer().khlx);
    m_ui->onlineView->setVisible(area.online);
    m_ui->phoneView->setVisible(area.phone);
    m_ui->finishButton->setVisible(area.finish);
    if (!area.finishText.isEmpty())
        m_ui->finishButton->setText(area.finishText);
    m_ui->cywjdcLabel->setVisible(area.questionnaire);
    m_ui->cywjdcLabel->setEnabled(area.questionnaireOpen);
    if (!area.questionnaireText.isEmpty()) {
        m_ui->cywjdcLabel->setText(area.questionnaireText);
        m_ui->cywjdcLabel->setAccessibleName(area.questionnaireText);
    }
    // Nothing to offer: the panel goes rather than stand empty.
    m_ui->actionPanel->setVisible(area.online || area.phone || area.finish || area.questionnaire);
}

void QZCustomDetailViewController::LeftNavigationButtonClick()
{
    goBack();
}

void QZCustomDetailViewController::onlineClick()
{
    if (!Constant::shareConstant()->currentUser()) {
        navigationController()->pushViewController(new LoginViewController, true);
        return;
    }
    // One look at the places at a time: a second tap must not open a second form.
    if (m_askingPlaces)
        return;
    m_askingPlaces = true;
    sendRequest(
        FunctionCode::ActivityPlaces, {{QStringLiteral("activity_id"), m_model.id}}, {},
        [this](const ResponseEnvelope &answer) {
            m_askingPlaces = false;
            m_ybmDataArray = answer.recordsAs<YbmNumberModel>();
            const YbmNumberModel joined =
                m_ybmDataArray.isEmpty() ? YbmNumberModel() : m_ybmDataArray.first();
            if (!ActivityForms::hasPlacesLeft(m_model.part_number, joined.joined_num)) {
                showToast(ActivityForms::placesFullMessage(), 1.5);
                return;
            }
            auto *form = new QZAddCustomViewController;
            form->setActivityModel(m_model);
            form->setYbmModel(joined);
            navigationController()->pushViewController(form, true);
        },
        OnFailure{.then = [this]() { m_askingPlaces = false; }});
}

void QZCustomDetailViewController::phoneClick()
{
    Telephone::callHotline(this);
}

void QZCustomDetailViewController::questionnaireClick()
{
    auto *feedback = new QZFeedbackViewController;
    feedback->setActivityModel(m_model);
    navigationController()->pushViewController(feedback, true);
}

#include "QZInfomationDetailViewController.h"

#include "ui_QZInfomationDetailViewController.h"

#include "Formatting.h"
#include "FunctionCodes.h"
#include "MediaUrl.h"
#include "NewsTexts.h"
#include "NotificationCenter.h"

namespace {
const QString kFromMessages = QStringLiteral("我的消息");
}

QZInfomationDetailViewController::QZInfomationDetailViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZInfomationDetailViewController)
{
    m_ui->setupUi(this);
}

QZInfomationDetailViewController::~QZInfomationDetailViewController()
{
    delete m_ui;
}

bool QZInfomationDetailViewController::isFromMessages() const
{
    return m_belongto == kFromMessages;
}

void QZInfomationDetailViewController::initNav()
{
    setTitle(QStringLiteral("新闻详情"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZInfomationDetailViewController::initUI()
{
    QPalette white = palette(); // an article reads as one white page
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    if (!isFromMessages())
        showArticle(m_model, MediaUrl::absoluteHtml(m_model.content));
}

void QZInfomationDetailViewController::initData()
{
    if (!isFromMessages())
        return;
    sendRequest(FunctionCode::News, {{QStringLiteral("id"), m_newsId}}, ParamsExt(),
                [this](const ResponseEnvelope &answer) {
                    m_myMessageArray = answer.recordsAs<QZInformationModel>();
                    if (m_myMessageArray.isEmpty())
                        return;
                    const QZInformationModel &article = m_myMessageArray.first();
                    showArticle(article, MediaUrl::internalHtml(article.content));
                });
}

void QZInfomationDetailViewController::showArticle(const QZInformationModel &article,
                                                   const QString &body)
{
    m_ui->titleLabel->setText(article.title);
    m_ui->dateLabel->setText(Formatting::GetFormateDate(article.begin_time));
    m_ui->fromLabel->setText(NewsTexts::sourceText(article.source));
    m_ui->contentWebView->loadHTMLString(NewsTexts::resizeImages(body));
}

void QZInfomationDetailViewController::LeftNavigationButtonClick()
{
    // The news tab's root shows the tab bar again; the message list is no tab root.
    goBack(isFromMessages() ? QString() : Notification::Appearance);
}

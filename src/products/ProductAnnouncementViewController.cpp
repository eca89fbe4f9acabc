#include "ProductAnnouncementViewController.h"

#include "ui_ProductAnnouncementViewController.h"

#include "AppConfig.h"
#include "FileDownload.h"
#include "MediaUrl.h"

#include <QFile>

namespace {

const QString kUnavailable = QStringLiteral("该附件暂时无法查看，请稍后再试");

} // namespace

ProductAnnouncementViewController::ProductAnnouncementViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::ProductAnnouncementViewController)
{
    m_ui->setupUi(this);
}

ProductAnnouncementViewController::~ProductAnnouncementViewController()
{
    delete m_ui;
}

QString ProductAnnouncementViewController::documentPath()
{
    return AppConfig::dataDir() + QStringLiteral("/down_form.pdf");
}

void ProductAnnouncementViewController::initNav()
{
    setTitle(QStringLiteral("公告详情"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void ProductAnnouncementViewController::initUI()
{
    m_ui->titleLabel->setText(m_model.title);
}

void ProductAnnouncementViewController::initData()
{
    const QString path = documentPath();
    FileDownload::get(QUrl(MediaUrl::forRelaPath(m_model.rela_path)), path, this, {},
                      [this, path](bool ok, const QString &) {
                          if (ok && QFile::exists(path))
                              m_ui->contentWebView->loadPdfFile(path);
                          else
                              showUnavailable();
                      });
}

void ProductAnnouncementViewController::showUnavailable()
{
    // Rather than a blank page: the customer learns the document cannot be read now.
    m_ui->contentWebView->loadHTMLString(
        QStringLiteral("<p style=\"margin-top: 80px; text-align: center; color: #8e8e93;\">"
                       "%1</p>")
            .arg(kUnavailable));
}

void ProductAnnouncementViewController::LeftNavigationButtonClick()
{
    goBack();
}

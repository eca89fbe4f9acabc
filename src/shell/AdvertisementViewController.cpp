#include "AdvertisementViewController.h"

#include "ui_AdvertisementViewController.h"

#include "AdvertisementModel.h"
#include "CoverImageLabel.h"
#include "FunctionCodes.h"
#include "ImageLoader.h"
#include "MediaUrl.h"
#include "PagingScrollView.h"
#include "RecordMapper.h"
#include "UiImage.h"

#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kCountdownStart = 2;
// A gateway that hangs must not keep the customer from the app for the transport's minute.
constexpr int kGiveUpMs = 5000;
} // namespace

AdvertisementViewController::AdvertisementViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::AdvertisementViewController),
      m_countdownTimer(new QTimer(this)), m_giveUpTimer(new QTimer(this))
{
    m_ui->setupUi(this);
    m_giveUpTimer->setSingleShot(true);
    m_giveUpTimer->setInterval(kGiveUpMs);
    connect(m_countdownTimer, &QTimer::timeout, this, &AdvertisementViewController::countdownStep);
    connect(m_giveUpTimer, &QTimer::timeout, this, &AdvertisementViewController::finish);
}

AdvertisementViewController::~AdvertisementViewController()
{
    delete m_ui;
}

void AdvertisementViewController::initUI()
{
    m_ui->brandLabel->setPixmap(UiImage::pixmap(QStringLiteral("splash")));
}

void AdvertisementViewController::initData()
{
    m_countdown = 0;
    m_skipCount = 0;
    sendRequest(
        FunctionCode::SplashAdverts, {{QStringLiteral("is_display"), QStringLiteral("1")}}, {},
        [this](const ResponseEnvelope &answer) { buildPages(answer); },
        OnFailure::silent([this]() { finish(); }));
    m_giveUpTimer->start();
}

void AdvertisementViewController::buildPages(const ResponseEnvelope &answer)
{
    m_giveUpTimer->stop();
    if (m_finished)
        return; // gave up waiting already
    // Records are mapped one by one, only until the handful is there.
    const QJsonArray records = answer.records();
    for (const QJsonValue &record : records) {
        if (m_imageUrls.size() >= kMaxPages)
            break;
        const auto ad = RecordMapper::map<AdvertisementModel>(record.toObject());
        if (!ad.rela_path.isEmpty())
            m_imageUrls.append(MediaUrl::forRelaPath(ad.rela_path));
    }
    m_scrollView = new PagingScrollView(this);
    m_scrollView->setObjectName(QStringLiteral("scrollView"));
    m_scrollView->setGeometry(rect());
    QList<QWidget *> pages;
    for (const QString &url : std::as_const(m_imageUrls)) {
        auto *page = new CoverImageLabel;
        page->setStyleSheet(QStringLiteral("background: white;"));
        page->resize(size());
        ImageLoader::shared()->loadInto(page, QUrl(url));
        pages.append(page);
    }
    m_scrollView->setPages(pages);
    m_scrollView->show();
    m_countdown = kCountdownStart;

    m_skipButton = new QPushButton(QStringLiteral("跳过广告"), this);
    m_skipButton->setObjectName(QStringLiteral("skipButton"));
    m_skipButton->setGeometry(width() - 90, 40, 80, 30);
    m_skipButton->setStyleSheet(
        QStringLiteral("QPushButton { background: #8C8C8C; color: white; font-size: 12px;"
                       " border: none; border-radius: 10px; }"));
    connect(m_skipButton, &QPushButton::clicked, this, &AdvertisementViewController::skip);
    m_skipButton->show();
    m_skipButton->raise();

    if (totalNum() == 1)
        m_countdownTimer->start(m_stepMs);
}

void AdvertisementViewController::setGiveUpInterval(int milliseconds)
{
    // Also for a request already out: the wait starts again with the new interval.
    m_giveUpTimer->setInterval(milliseconds);
    if (m_giveUpTimer->isActive())
        m_giveUpTimer->start();
}

bool AdvertisementViewController::isCountingDown() const
{
    return m_countdownTimer->isActive();
}

void AdvertisementViewController::countdownStep()
{
    if (m_countdown > 0) {
        --m_countdown;
        return;
    }
    m_countdownTimer->stop();
    // A skip has already moved on.
    if (m_skipCount == 0)
        finish();
}

void AdvertisementViewController::skip()
{
    ++m_skipCount;
    finish();
}

void AdvertisementViewController::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_giveUpTimer->stop();
    emit advertisementFinished();
}

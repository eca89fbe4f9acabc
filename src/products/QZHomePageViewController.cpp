#include "QZHomePageViewController.h"

#include "ui_QZHomePageViewController.h"

#include "AdvertisingColumn.h"
#include "CarouselEntries.h"
#include "Constant.h"
#include "FunctionCodes.h"
#include "MainScreen.h"
#include "NavigationItem.h"
#include "NotificationCenter.h"
#include "SessionStore.h"

#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kCarouselDelayMs = 3000;

QPushButton *barButton(const QString &title, Qt::Alignment alignment)
{
    auto *button = new QPushButton(title);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedHeight(44);
    button->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; color: white;"
                       " font-size: 14px; text-align: %1; padding: 0 %2px 0 0; }")
            .arg(alignment & Qt::AlignRight ? QStringLiteral("right") : QStringLiteral("center"))
            .arg(alignment & Qt::AlignRight ? 2 : 0));
    return button;
}

} // namespace

QZHomePageViewController::QZHomePageViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZHomePageViewController),
      m_carouselStart(new QTimer(this))
{
    m_ui->setupUi(this);
    m_carouselStart->setSingleShot(true);
    m_carouselStart->setInterval(kCarouselDelayMs);
    connect(m_carouselStart, &QTimer::timeout, this, &QZHomePageViewController::resumeCarousel);
    for (QToolButton *button : m_ui->buttonView->findChildren<QToolButton *>()) {
        connect(button, &QToolButton::clicked, this,
                [this, button]() { btnClick(button->property("tag").toInt()); });
    }
}

QZHomePageViewController::~QZHomePageViewController()
{
    delete m_ui;
}

void QZHomePageViewController::setCarouselDelay(int milliseconds)
{
    m_carouselStart->setInterval(milliseconds);
}

void QZHomePageViewController::viewDidLoad()
{
    const bool openAccount = loginIn();
    initNav();
    initUI();
    initData();
    initDatajz();
    // The screens opened on loading go on top once the page itself is in place.
    const bool openLock = SessionStore::passwordIsExist();
    QMetaObject::invokeMethod(
        this,
        [this, openAccount, openLock]() {
            if (openAccount)
                pushScreenNamed(QStringLiteral("QZAccountViewController"));
            if (openLock)
                openGestureLock();
        },
        Qt::QueuedConnection);
}

bool QZHomePageViewController::loginIn()
{
    SessionStore::removeLoginInStatus();
    const auto saved = SessionStore::savedSignIn();
    return !SessionStore::userDictionaryCustno().isEmpty() && (!saved || saved->type.isEmpty());
}

void QZHomePageViewController::initNav()
{
    setTitle(QStringLiteral("澄岚信托"));
    QPushButton *help = barButton(QStringLiteral("帮助中心"), Qt::AlignCenter);
    help->setObjectName(QStringLiteral("helpButton"));
    help->setAccessibleName(QStringLiteral("帮助中心"));
    help->setFixedWidth(60);
    connect(help, &QPushButton::clicked, this,
            &QZHomePageViewController::LeftNavigationButtonClick);
    navigationItem()->setLeftWidget(help);

    m_leftButton = barButton(QString(), Qt::AlignRight);
    m_leftButton->setObjectName(QStringLiteral("leftButton"));
    connect(m_leftButton, &QPushButton::clicked, this,
            &QZHomePageViewController::RightNavigationButtonClick);
    navigationItem()->setRightWidget(m_leftButton);
    refreshSignInButton();
}

void QZHomePageViewController::initUI()
{
    const QSize screen = MainScreen::size(this);
    const int h = int((screen.height() - 49 - 64) / 19.0 * 7);
    m_ui->lbView->setFixedHeight(h);
    m_headerView = new AdvertisingColumn;
    auto *fill = new QVBoxLayout(m_ui->lbView);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_headerView);
    connect(m_headerView, &AdvertisingColumn::imageTapped, this,
            &QZHomePageViewController::openCarouselEntry);
    connect(m_headerView, &AdvertisingColumn::dragBegan, this,
            &QZHomePageViewController::pauseCarousel);
    connect(m_headerView, &AdvertisingColumn::dragEnded, this, [this]() {
        if (m_headerView->totalNum() >= 2)
            m_headerView->openTimer();
    });
}

void QZHomePageViewController::initData()
{
    sendRequest(FunctionCode::Carousel,
                {{QStringLiteral("system_type"), QStringLiteral("3")},
                 {QStringLiteral("is_enabled"), QStringLiteral("1")}},
                {}, [this](const ResponseEnvelope &answer) {
                    const auto entries =
                        CarouselEntries::fromRecords(answer.recordsAs<QZHomeModel>());
                    m_headerView->setArray(entries.images, entries.links, entries.targets);
                });
}

void QZHomePageViewController::initDatajz()
{
    sendRequest(FunctionCode::TrustProducts, {{QStringLiteral("w_cplx"), QStringLiteral("2")}},
                Request::paging(10, 0), [this](const ResponseEnvelope &answer) {
                    m_datajzArray = answer.recordsAs<modelForProd>();
                });
}

void QZHomePageViewController::openGestureLock()
{
    pushScreenNamed(
        QStringLiteral("KVGestureViewController"),
        {{QStringLiteral("IsLogin"), true}, {QStringLiteral("gesturePasswordType"), 0}});
}

void QZHomePageViewController::viewWillAppear(bool)
{
    refreshSignInButton();
    postNotification(Notification::Appearance);
}

void QZHomePageViewController::viewDidAppear(bool animated)
{
    RootViewController::viewDidAppear(animated);
    m_carouselStart->start();
}

void QZHomePageViewController::viewWillDisappear(bool)
{
    // Hidden, the carousel waits: neither the pending start nor the timer runs.
    m_carouselStart->stop();
    if (m_headerView->totalNum() >= 2)
        m_headerView->closeTimer();
}

void QZHomePageViewController::pauseCarousel()
{
    m_headerView->closeTimer();
}

void QZHomePageViewController::resumeCarousel()
{
    m_headerView->openTimer();
}

void QZHomePageViewController::refreshSignInButton()
{
    const auto &user = Constant::shareConstant()->currentUser();
    const bool signedIn = Constant::shareConstant()->IsLogin() && user;
    m_leftButton->setText(signedIn ? QStringLiteral("您好:%1").arg(user->khxm)
                                   : QStringLiteral("登录"));
    m_leftButton->setAccessibleName(m_leftButton->text());
    m_leftButton->setFixedWidth(signedIn ? 80 : 50);
}

void QZHomePageViewController::LeftNavigationButtonClick()
{
    pushScreenNamed(QStringLiteral("QZViewController"));
}

void QZHomePageViewController::RightNavigationButtonClick()
{
    if (!Constant::shareConstant()->IsLogin())
        postNotification(Notification::Change4);
}

void QZHomePageViewController::btnClick(int tag)
{
    switch (tag) {
    case 1000:
        postNotification(Notification::Change1);
        break;
    case 1001:
        pushScreenNamed(QStringLiteral("TrustViewController"));
        break;
    case 1002:
        pushScreenNamed(QStringLiteral("QZCustomViewController"));
        break;
    case 1003:
        postNotification(Notification::Change3);
        break;
    case 1004:
        pushScreenNamed(QStringLiteral("QZGuideViewController"));
        break;
    case 1005:
        pushScreenNamed(QStringLiteral("QZTrustClassViewController"));
        break;
    case 1006:
        postNotification(Notification::Change4);
        break;
    case 1007:
        pushScreenNamed(QStringLiteral("QZRegister1ViewController"));
        break;
    case 1008:
        pushScreenNamed(QStringLiteral("OnlineTradingViewController"));
        break;
    default:
        break;
    }
}

void QZHomePageViewController::openCarouselEntry(const QString &link, const QString &target)
{
    if (target == QLatin1String("1")) {
        if (!link.isEmpty())
            pushScreenNamed(
                QStringLiteral("MessageDetailsViewController"),
                {{QStringLiteral("detailsUrl"), link}, {QStringLiteral("urltarget_type"), target}});
    } else if (target == QLatin1String("2")) {
        postNotification(Notification::Change1);
    } else if (target == QLatin1String("3")) {
        pushScreenNamed(QStringLiteral("QZCustomViewController"));
    }
}

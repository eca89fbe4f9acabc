#include "PhoneWindow.h"

#include "ActivityIndicator.h"
#include "MemoryRelief.h"
#include "NetworkActivityIndicator.h"
#include "PlainTextLabels.h"
#include "UiColor.h"
#include "ViewController.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QTime>
#include <QTimer>

PhoneWindow::PhoneWindow(QSize size, QWidget *parent)
    : QWidget(parent), m_statusBar(new QWidget(this)), m_carrier(new QLabel(m_statusBar)),
      m_clock(new QLabel(m_statusBar)), m_networkIndicator(new ActivityIndicator(m_statusBar)),
      m_content(new QWidget(this))
{
    setObjectName(QStringLiteral("phoneWindow"));
    PlainTextLabels::install();
    setWindowTitle(QStringLiteral("澄岚信托"));
    setFixedSize(size);
    m_statusBar->setObjectName(QStringLiteral("statusBar"));
    m_statusBar->setAutoFillBackground(true);
    QPalette palette = m_statusBar->palette();
    palette.setColor(QPalette::Window, UiColor::navigationTint());
    palette.setColor(QPalette::WindowText, Qt::white);
    m_statusBar->setPalette(palette);

    QFont small = font();
    small.setPixelSize(12);
    m_carrier->setText(QStringLiteral("澄岚信托"));
    m_clock->setObjectName(QStringLiteral("statusClock"));
    for (QLabel *l : {m_carrier, m_clock}) {
        l->setFont(small);
        l->setPalette(palette);
    }
    m_networkIndicator->setObjectName(QStringLiteral("networkActivityIndicator"));
    m_networkIndicator->setColor(Qt::white);
    m_networkIndicator->setFixedSize(14, 14);

    auto *row = new QHBoxLayout(m_statusBar);
    row->setContentsMargins(6, 0, 6, 0);
    row->setSpacing(4);
    row->addWidget(m_carrier);
    row->addWidget(m_networkIndicator);
    row->addStretch();
    row->addWidget(m_clock);

    auto *indicator = NetworkActivityIndicator::instance();
    m_networkIndicator->setAnimating(indicator->isVisible());
    connect(indicator, &NetworkActivityIndicator::visibilityChanged, m_networkIndicator,
            &ActivityIndicator::setAnimating);

    const auto tick = [this]() {
        m_clock->setText(QTime::currentTime().toString(QStringLiteral("HH:mm")));
    };
    tick();
    auto *clockTimer = new QTimer(this);
    connect(clockTimer, &QTimer::timeout, this, tick);
    clockTimer->start(30000);

    m_content->setObjectName(QStringLiteral("phoneContent"));
}

void PhoneWindow::setRootViewController(ViewController *controller)
{
    ViewController *old = m_root;
    m_root = controller;
    if (controller) {
        controller->setParent(m_content);
        controller->setGeometry(m_content->rect());
        controller->loadViewIfNeeded();
        controller->show();
        controller->raise();
    }
    if (old) {
        old->beginDisappearance(false);
        old->endDisappearance(false);
        old->hide();
        MemoryRelief::release(old);
    }
    if (controller) {
        controller->beginAppearance(false);
        controller->endAppearance(false);
    }
}

QWidget *PhoneWindow::contentHostFor(QWidget *widget)
{
    if (PhoneWindow *phone = of(widget))
        return phone->contentHost();
    return widget->window();
}

PhoneWindow *PhoneWindow::of(QWidget *widget)
{
    return widget ? qobject_cast<PhoneWindow *>(widget->window()) : nullptr;
}

void PhoneWindow::resizeEvent(QResizeEvent *event)
{
    const QSize s = event->size();
    m_statusBar->setGeometry(0, 0, s.width(), kStatusBarHeight);
    m_content->setGeometry(0, kStatusBarHeight, s.width(), s.height() - kStatusBarHeight);
    if (m_root)
        m_root->setGeometry(m_content->rect());
}

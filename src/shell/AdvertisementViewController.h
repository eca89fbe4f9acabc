#pragma once

#include "RootViewController.h"

#include <QStringList>

namespace Ui {
class AdvertisementViewController;
}
class PagingScrollView;
class QPushButton;
class QTimer;

// The splash advertisement shown at every launch. One picture counts down about three
// seconds; with none or several the splash waits for "跳过广告"; a failed request goes
// straight on, and so does one left unanswered for a few seconds. Either way
// advertisementFinished is emitted exactly once.
class AdvertisementViewController : public RootViewController
{
    Q_OBJECT

public:
    explicit AdvertisementViewController(QWidget *parent = nullptr);
    ~AdvertisementViewController() override;

    int totalNum() const { return int(m_imageUrls.size()); }
    int countdown() const { return m_countdown; }
    QStringList imageUrls() const { return m_imageUrls; }
    bool isCountingDown() const;
    // One step of the countdown; a second unless a test shortens it.
    void setStepInterval(int milliseconds) { m_stepMs = milliseconds; }
    // How long the splash waits for its answer before going on without it.
    void setGiveUpInterval(int milliseconds);

    // The most pages shown, whatever the server sends.
    static constexpr int kMaxPages = 5;

signals:
    void advertisementFinished();

protected:
    void initUI() override;
    void initData() override;

private:
    void buildPages(const ResponseEnvelope &answer);
    void countdownStep();
    void skip();
    void finish();

    Ui::AdvertisementViewController *m_ui;
    PagingScrollView *m_scrollView = nullptr;
    QPushButton *m_skipButton = nullptr;
    QTimer *m_countdownTimer;
    QTimer *m_giveUpTimer;
    QStringList m_imageUrls;
    int m_countdown = 0;
    int m_stepMs = 1000;
    int m_skipCount = 0;
    bool m_finished = false;
};

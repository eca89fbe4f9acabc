#pragma once

#include "OverlayView.h"

class ActivityIndicator;
class QLabel;

// A modal spinner over the phone window: the progress HUD (a dark box with an optional
// text) or the screens' full-screen loading view (a bare spinner in the brand colour).
class ProgressHUD : public OverlayView
{
    Q_OBJECT

public:
    enum class Look
    {
        Box,
        Bare
    };

    ProgressHUD(QWidget *over, Look look, const QString &text = QString());

    static ProgressHUD *showHUD(QWidget *over, const QString &text = QString());
    static void hideHUD(QWidget *over);

    void setText(const QString &text);

protected:
    void layoutContent() override;

private:
    Look m_look;
    QWidget *m_box;
    ActivityIndicator *m_spinner;
    QLabel *m_label;
};

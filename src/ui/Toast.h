#pragma once

#include "OverlayView.h"

#include <functional>

class QLabel;

// Reports every toast shown, for the automation driver and tests.
class ToastEvents : public QObject
{
    Q_OBJECT

public:
    static ToastEvents *instance();

signals:
    void shown(const QString &text, double seconds);
};

// A short message at the centre of the phone window that goes away by itself; it does
// not block touches. The completion runs once it has gone. Toasts asked for while one is
// shown come one after another, each for its own duration.
class Toast : public OverlayView
{
    Q_OBJECT

public:
    static Toast *showText(QWidget *over, const QString &text, double seconds,
                           std::function<void()> completion = {});

    QString text() const;
    double duration() const { return m_seconds; }

protected:
    void layoutContent() override;

private:
    Toast(QWidget *over, const QString &text, double seconds);
    void start();

    QLabel *m_label;
    double m_seconds;
};

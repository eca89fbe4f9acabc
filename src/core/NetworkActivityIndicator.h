#pragma once

#include <QObject>

// The process-wide network-activity switch shown in the status bar. It is a plain
// on/off switch, not a counter: the first of several answers switches it off.
class NetworkActivityIndicator : public QObject
{
    Q_OBJECT

public:
    static NetworkActivityIndicator *instance();

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

signals:
    void visibilityChanged(bool visible);

private:
    NetworkActivityIndicator() = default;
    bool m_visible = false;
};

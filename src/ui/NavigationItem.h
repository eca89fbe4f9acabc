#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

// What a screen shows in the navigation bar while it is on top: its title and the
// widgets of the left and right slots. The bar follows changes as they happen.
class NavigationItem : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    QString title() const { return m_title; }
    void setTitle(const QString &title);

    QWidget *leftWidget() const { return m_left; }
    void setLeftWidget(QWidget *widget);
    QWidget *rightWidget() const { return m_right; }
    void setRightWidget(QWidget *widget);
    // Keeps the slots' widgets but takes them off the bar, or puts them back.
    void setWidgetsHidden(bool hidden);
    bool widgetsHidden() const { return m_widgetsHidden; }

signals:
    void changed();

private:
    QString m_title;
    QPointer<QWidget> m_left;
    QPointer<QWidget> m_right;
    bool m_widgetsHidden = false;
};

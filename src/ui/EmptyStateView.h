#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

// What a list shows in place of its rows when there are none to show: a picture, one line
// of text and, where asking again can help, a button that does.
class EmptyStateView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EmptyStateView)

public:
    explicit EmptyStateView(QWidget *parent = nullptr);

    // An empty action title shows no button.
    void setContent(const QString &image, const QString &text, const QString &actionTitle,
                    std::function<void()> action);
    QString text() const;

private:
    QLabel *m_picture;
    QLabel *m_text;
    QPushButton *m_button;
    std::function<void()> m_action;
};

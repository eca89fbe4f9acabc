#pragma once

#include <QColor>
#include <QLabel>

// The one-line message above the pad: grey for guidance, red for a mistake, and red with a
// shake when the customer has to try again.
class WNLockLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(qreal translationX READ translationX WRITE setTranslationX)

public:
    explicit WNLockLabel(QWidget *parent = nullptr);

    void showNormalMsg(const QString &message);
    void showWarnMsg(const QString &message);
    void showWarnMsgAndShake(const QString &message);

    QColor textColor() const { return m_color; }
    qreal translationX() const { return m_translationX; }
    void setTranslationX(qreal x);

signals:
    // Every message shown, also the ones replaced before they could be seen.
    void messageShown(const QString &message);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showMessage(const QString &message, const QColor &color);

    QColor m_color;
    qreal m_translationX = 0;
};

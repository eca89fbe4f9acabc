#pragma once

#include <QLabel>

// A label whose text carries tappable links; a tap reports the link instead of opening it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

    // The whole text as one link in the given colour, underlined.
    void setLinkText(const QString &text, const QString &link, const QColor &color);

signals:
    void linkTapped(const QString &link);
};

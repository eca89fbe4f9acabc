#include "LinkLabel.h"

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    setOpenExternalLinks(false);
    connect(this, &QLabel::linkActivated, this, &LinkLabel::linkTapped);
}

void LinkLabel::setLinkText(const QString &text, const QString &link, const QColor &color)
{
    setText(QStringLiteral("<a href=\"%1\" style=\"color:%2;\">%3</a>")
                .arg(link.toHtmlEscaped(), color.name(), text.toHtmlEscaped()));
}

#include "ProductCardCell.h"

#include "ui_ProductCardCell.h"

#include "UiColor.h"
#include "UiImage.h"

#include <QLabel>

ProductCardCell::ProductCardCell(const QString &reuseIdentifier, const QString &firstCaption)
    : TableViewCell(reuseIdentifier, CellStyle::Custom), m_ui(new Ui::ProductCardCell)
{
    m_ui->setupUi(this);
    m_ui->yieldCaption->setText(firstCaption);
    m_ui->isrx->raise(); // the badge sits over the card's corner
    // The three figures stand on one baseline: the smaller ones are lifted by the
    // difference between their descent and the large one's.
    ensurePolished();
    const int big = QFontMetrics(m_ui->yqnhsyl->font()).descent();
    for (QLabel *small : {m_ui->rgqd, m_ui->cxqx})
        small->setContentsMargins(0, 0, 0,
                                  std::max(0, big - QFontMetrics(small->font()).descent()));
    setSeparatorVisible(false);
    setBackgroundColor(UiColor::background());
    setMinimumHeight(160);
}

ProductCardCell::~ProductCardCell()
{
    delete m_ui;
}

void ProductCardCell::setCard(const QString &badgeImage, const QString &title, const QString &first,
                              const QString &amount, const QString &term)
{
    m_ui->isrx->setVisible(!badgeImage.isEmpty());
    if (!badgeImage.isEmpty())
        m_ui->isrx->setPixmap(UiImage::pixmap(badgeImage));
    m_ui->title->setText(title);
    m_ui->yqnhsyl->setText(first);
    m_ui->rgqd->setText(amount);
    m_ui->cxqx->setText(term);
}

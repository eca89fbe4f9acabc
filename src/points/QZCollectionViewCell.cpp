#include "QZCollectionViewCell.h"

#include "ui_QZCollectionViewCell.h"

#include "PointsTexts.h"
#include "RemotePicture.h"
#include "UiColor.h"

const QString QZCollectionViewCell::kReuseIdentifier = QStringLiteral("QZCollectionViewCell");

QZCollectionViewCell::QZCollectionViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent), m_ui(new Ui::QZCollectionViewCell)
{
    m_ui->setupUi(this);
    setSelectionStyleNone(true);
    setSeparatorVisible(false);
    setBackgroundColor(UiColor::getColor(QStringLiteral("efefef")));
}

QZCollectionViewCell::~QZCollectionViewCell()
{
    delete m_ui;
}

void QZCollectionViewCell::setGift(const ScoreModel &gift, bool chosen)
{
    m_gift = gift;
    setBackgroundColor(chosen ? QColor(Qt::red) : UiColor::getColor(QStringLiteral("efefef")));
    m_ui->pointLabel->setText(PointsTexts::giftPoints(gift.point));
    m_ui->scjgLabel->setText(PointsTexts::giftPrice(gift.scjg));
    setAccessibleName(gift.lpmc);
    showTexts();
}

void QZCollectionViewCell::prepareForReuse()
{
    TableViewCell::prepareForReuse();
    setBackgroundColor(UiColor::getColor(QStringLiteral("efefef")));
}

void QZCollectionViewCell::showTexts()
{
    // The name keeps one line; a long one ends in an ellipsis.
    const int room = std::max(0, m_ui->lpmcLabel->width() - 2 * m_ui->lpmcLabel->indent());
    m_ui->lpmcLabel->setText(
        m_ui->lpmcLabel->fontMetrics().elidedText(m_gift.lpmc, Qt::ElideRight, room));
    RemotePicture::show(m_ui->giftImageView, m_gift.rela_path, QStringLiteral("zwtp.gif"));
}

void QZCollectionViewCell::resizeEvent(QResizeEvent *event)
{
    TableViewCell::resizeEvent(event);
    // The labels take their new sizes from the layout, which runs before this returns.
    layout()->activate();
    showTexts();
}

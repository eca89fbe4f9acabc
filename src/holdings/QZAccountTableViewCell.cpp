#include "QZAccountTableViewCell.h"

#include "ui_QZAccountTableViewCell.h"

#include "UiImage.h"

const QString QZAccountTableViewCell::kReuseIdentifier = QStringLiteral("cell");

QZAccountTableViewCell::QZAccountTableViewCell()
    : TableViewCell(kReuseIdentifier), m_ui(new Ui::QZAccountTableViewCell)
{
    m_ui->setupUi(this);
    // The arrow only shows the way; the row takes the touch.
    m_ui->rightButton->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QZAccountTableViewCell::~QZAccountTableViewCell()
{
    delete m_ui;
}

void QZAccountTableViewCell::setEntry(const QString &image, const QString &name, bool opensScreen)
{
    m_ui->picture->setPixmap(UiImage::pixmap(image));
    m_ui->nameLabel->setText(name);
    m_ui->rightButton->setVisible(opensScreen);
    setAccessibleName(name);
}

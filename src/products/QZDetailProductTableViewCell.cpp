#include "QZDetailProductTableViewCell.h"

#include "ui_QZDetailProductTableViewCell.h"

const QString QZDetailProductTableViewCell::kReuseIdentifier = QStringLiteral("detailCell");

QZDetailProductTableViewCell::QZDetailProductTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::QZDetailProductTableViewCell)
{
    m_ui->setupUi(this);
}

QZDetailProductTableViewCell::~QZDetailProductTableViewCell()
{
    delete m_ui;
}

void QZDetailProductTableViewCell::showHeading(const QString &title, bool withNextButton)
{
    m_ui->titleLabel->setText(title);
    m_ui->titleLabel->show();
    m_ui->nameLabel->hide();
    m_ui->containLabel->hide();
    m_ui->nextButton->setVisible(withNextButton);
}

void QZDetailProductTableViewCell::showField(const QString &caption, const QString &content)
{
    m_ui->titleLabel->hide();
    m_ui->nextButton->hide();
    m_ui->nameLabel->setText(caption);
    m_ui->containLabel->setText(content);
    m_ui->nameLabel->show();
    m_ui->containLabel->show();
}

QPushButton *QZDetailProductTableViewCell::nextButton() const
{
    return m_ui->nextButton;
}

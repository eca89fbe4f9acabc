#include "TransferDetailsTableViewCell.h"

#include "ui_TransferDetailsTableViewCell.h"

const QString TransferDetailsTableViewCell::kReuseIdentifier = QStringLiteral("cell");

TransferDetailsTableViewCell::TransferDetailsTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::TransferDetailsTableViewCell)
{
    m_ui->setupUi(this);
    setSelectionStyleNone(true);
}

TransferDetailsTableViewCell::~TransferDetailsTableViewCell()
{
    delete m_ui;
}

void TransferDetailsTableViewCell::setRow(const QString &name, const QString &value)
{
    m_ui->nameLabel->setText(name);
    m_ui->containLabel->setText(value);
}

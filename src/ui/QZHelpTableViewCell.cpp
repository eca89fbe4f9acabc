#include "QZHelpTableViewCell.h"

#include "ui_QZHelpTableViewCell.h"

const QString QZHelpTableViewCell::kReuseIdentifier = QStringLiteral("help");

QZHelpTableViewCell::QZHelpTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent), m_ui(new Ui::QZHelpTableViewCell)
{
    m_ui->setupUi(this);
}

QZHelpTableViewCell::~QZHelpTableViewCell()
{
    delete m_ui;
}

QLabel *QZHelpTableViewCell::nameLabel() const
{
    return m_ui->nameLabel;
}

QPushButton *QZHelpTableViewCell::nextButton() const
{
    return m_ui->nextButton;
}

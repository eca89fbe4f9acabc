#include "QZMoreDetailTableViewCell.h"

#include "ui_QZMoreDetailTableViewCell.h"

#include "UiColor.h"

const QString QZMoreDetailTableViewCell::kReuseIdentifier = QStringLiteral("announcement");

QZMoreDetailTableViewCell::QZMoreDetailTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::QZMoreDetailTableViewCell)
{
    m_ui->setupUi(this);
    setBackgroundColor(UiColor::background());
    setAccessory(Accessory::DisclosureIndicator);
}

QZMoreDetailTableViewCell::~QZMoreDetailTableViewCell()
{
    delete m_ui;
}

void QZMoreDetailTableViewCell::setAnnouncement(const ProductAnnouncementsModel &announcement)
{
    m_ui->detailLabel->setText(announcement.title);
}

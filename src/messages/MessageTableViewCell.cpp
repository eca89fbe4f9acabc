#include "MessageTableViewCell.h"

#include "ui_MessageTableViewCell.h"

#include "Formatting.h"
#include "MessageTexts.h"
#include "UiColor.h"

const QString MessageTableViewCell::kReuseIdentifier = QStringLiteral("Appointmentedcell");

MessageTableViewCell::MessageTableViewCell()
    : TableViewCell(kReuseIdentifier, CellStyle::Custom), m_ui(new Ui::MessageTableViewCell)
{
    m_ui->setupUi(this);
    setSeparatorVisible(false);
    setBackgroundColor(UiColor::background());
}

MessageTableViewCell::~MessageTableViewCell()
{
    delete m_ui;
}

void MessageTableViewCell::setMessage(const QZMessageModel &message)
{
    m_ui->kindLabel->setText(MessageTexts::kindLabel(message.message_type));
    m_ui->messageTS->setVisible(MessageTexts::isUnread(message.message_status));
    m_ui->nameLabel->setText(message.message_title);
    m_ui->contentLabel->setText(message.obj_code);
    m_ui->dataLabel->setText(Formatting::GetFormateDate(message.send_time));
}

#include "QZSettingTableViewCell.h"

#include "ui_QZSettingTableViewCell.h"

#include "UiImage.h"

const QString QZSettingTableViewCell::kReuseIdentifier = QStringLiteral("cell");

QZSettingTableViewCell::QZSettingTableViewCell()
    : TableViewCell(kReuseIdentifier, CellStyle::Custom), m_ui(new Ui::QZSettingTableViewCell)
{
    m_ui->setupUi(this);
    m_ui->touxiangImage->hide(); // the settings show no avatar
    // The arrow only points: a touch on it selects the row like one beside it.
    m_ui->nextButton->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(m_ui->checkBox, &QPushButton::clicked, this, [this]() {
        if (m_switchAction)
            m_switchAction();
    });
}

QZSettingTableViewCell::~QZSettingTableViewCell()
{
    delete m_ui;
}

void QZSettingTableViewCell::prepareForReuse()
{
    TableViewCell::prepareForReuse();
    m_switchAction = nullptr;
}

void QZSettingTableViewCell::setRow(const SettingRow &row)
{
    m_ui->nameLabel->setText(row.title);
    m_ui->detailLabel->setText(row.detail);
    m_ui->nextButton->setVisible(row.arrow);
    const bool withSwitch = row.gestureSwitch != SettingRow::Switch::Hidden;
    m_ui->checkBox->setVisible(withSwitch);
    if (withSwitch) {
        const bool on = row.gestureSwitch == SettingRow::Switch::On;
        m_ui->checkBox->setIcon(UiImage::named(on ? QStringLiteral("switch_on.png")
                                                  : QStringLiteral("switch_off.png")));
        m_ui->checkBox->setAccessibleName(on ? QStringLiteral("手势密码已开启")
                                             : QStringLiteral("手势密码已关闭"));
    }
}

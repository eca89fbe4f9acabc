#include "QZCustomTableViewCell.h"

#include "ui_QZCustomTableViewCell.h"

#include "ActivityRules.h"
#include "RemotePicture.h"

#include <QStyle>

const QString QZCustomTableViewCell::kReuseIdentifier = QStringLiteral("QZCustomTableViewCell");

QZCustomTableViewCell::QZCustomTableViewCell(QWidget *parent)
    : TableViewCell(kReuseIdentifier, CellStyle::Custom, parent),
      m_ui(new Ui::QZCustomTableViewCell)
{
    m_ui->setupUi(this);
    setSelectionStyleNone(true);
    setSeparatorVisible(false);
    connect(m_ui->activeState, &QPushButton::clicked, this,
            [this]() { emit stateTapped(m_ui->activeState->property("tag").toInt()); });
}

QZCustomTableViewCell::~QZCustomTableViewCell()
{
    delete m_ui;
}

void QZCustomTableViewCell::setActivity(const QZActivityModel &activity, int section)
{
    m_ui->nameLabel->setText(activity.activity_name);
    m_ui->detailLabel->setText(activity.show_title);
    const ActivityRules::StateButton state = ActivityRules::stateButton(activity);
    QPushButton *button = m_ui->activeState;
    button->setText(state.title);
    button->setAccessibleName(state.title);
    button->setProperty("tag", kStateTagBase + section);
    button->setProperty("grey", state.grey);
    // The style sheet greys by "grey"; re-polish so it does.
    button->style()->unpolish(button);
    button->style()->polish(button);
    // The picture's label has a fixed size, so the placeholder fits it from the start.
    RemotePicture::show(m_ui->activePicture, activity.rela_path, QStringLiteral("zwtp.png"));
    setAccessibleName(activity.activity_name);
}

#include "DocumentTypePicker.h"

#include "AlertController.h"
#include "IdentityDocumentTypes.h"
#include "RootViewController.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>

DocumentTypePicker::DocumentTypePicker(RootViewController *screen, QAbstractButton *row,
                                       QLabel *label)
    : QObject(screen), m_screen(screen), m_label(label)
{
    connect(row, &QAbstractButton::clicked, this, &DocumentTypePicker::pick);
}

void DocumentTypePicker::show(const QString &typeName)
{
    m_label->setText(typeName);
    m_pickedIndex = -1;
    setPicked(false);
}

void DocumentTypePicker::pick()
{
    auto *sheet = new AlertController(m_screen, QStringLiteral("请选择证件类型"), QString(),
                                      AlertController::Style::ActionSheet);
    const auto &types = IdentityDocumentTypes::pickerTypes();
    for (int i = 0; i < types.size(); ++i) {
        sheet->addAction(types.at(i).name, AlertController::ActionStyle::Default, [this, i]() {
            m_pickedIndex = i;
            m_label->setText(IdentityDocumentTypes::pickerTypes().at(i).name);
            setPicked(true);
        });
    }
    sheet->addAction(QStringLiteral("取消"), AlertController::ActionStyle::Cancel);
    sheet->open();
}

QString DocumentTypePicker::typeName() const
{
    return m_label->text();
}

int DocumentTypePicker::typeIndex() const
{
    return m_pickedIndex >= 0 ? m_pickedIndex : IdentityDocumentTypes::indexOfName(typeName());
}

void DocumentTypePicker::setPicked(bool picked)
{
    // A picked type reads in black; the style sheet keys on "picked".
    m_label->setProperty("picked", picked);
    m_label->style()->unpolish(m_label);
    m_label->style()->polish(m_label);
}

#include "AuthFormStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace AuthFormStyle {
namespace {

// Once typed, a password field shows only dots: a small caption at its right keeps
// saying which of the fields it is ("原密码", "再次输入新密码").
void captionPasswordField(QLineEdit *field)
{
    QString caption = field->placeholderText();
    if (caption.startsWith(QStringLiteral("请")))
        caption.remove(0, 1);
    if (caption.startsWith(QStringLiteral("输入")))
        caption.remove(0, 2);
    auto *label = new QLabel(caption, field);
    label->setObjectName(field->objectName() + QStringLiteral("Caption"));
    label->setStyleSheet(QStringLiteral("color: #b4b4b4; font-size: 12px; background: transparent;"
                                        " border: none; padding: 0;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 12, 0);
    row->addStretch();
    row->addWidget(label);
    label->setVisible(!field->text().isEmpty());
    QObject::connect(field, &QLineEdit::textChanged, label,
                     [label](const QString &text) { label->setVisible(!text.isEmpty()); });
    if (field->accessibleName().isEmpty())
        field->setAccessibleName(caption);
}

} // namespace

void apply(QWidget *screen)
{
    screen->setStyleSheet(QStringLiteral(
        "QLineEdit { background: white; border: none; border-bottom: 1px solid #e0e0e0;"
        " font-size: 15px; padding: 0 12px; min-height: 44px; }"
        "#formCard { background: white; }"
        "#codeRow, #phoneRow { background: white; border-bottom: 1px solid #e0e0e0; }"
        "#codeRow QLineEdit { border: none; }"
        "QLabel[caption=\"true\"] { font-size: 15px; color: #333333; }"
        "#typeButton { background: white; border: none; border-bottom: 1px solid #e0e0e0;"
        " min-height: 44px; text-align: left; }"
        "#typeLabel { font-size: 15px; color: #8e8e93; }"
        "#typeLabel[picked=\"true\"] { color: black; }"
        "#typeArrow { font-size: 20px; color: #c7c7cc; }"
        "QPushButton[primary=\"true\"] { background: #0588e5; color: white; border: none;"
        " border-radius: 4px; font-size: 17px; min-height: 44px; }"
        "QPushButton[primary=\"true\"]:pressed { background: #0476c7; }"
        "#sendCodeButton { background: white; color: rgb(0, 148, 222); font-size: 13px;"
        " border: 1px solid rgb(0, 148, 222); border-radius: 4px; min-height: 30px;"
        " padding: 0 6px; }"
        "#sendCodeButton:disabled { background: transparent; border-color: transparent;"
        " color: #999999; }"
        "QLabel[hint=\"true\"] { font-size: 13px; color: #8e8e93; }"));
    for (QLineEdit *field : screen->findChildren<QLineEdit *>()) {
        if (field->echoMode() == QLineEdit::Password && !field->placeholderText().isEmpty())
            captionPasswordField(field);
    }
}

} // namespace AuthFormStyle

#include "AuthFormStyle.h"

#include <QWidget>

namespace AuthFormStyle {

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
}

} // namespace AuthFormStyle

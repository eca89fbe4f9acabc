#pragma once

#include "KhxxModel.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// One row of the settings table: what it shows and what touching it does.
struct SettingRow
{
    enum class Action
    {
        None,
        PickSex,
        ChangeEmail,
        ChangePhone,
        ChangePassword,
        VerifyGesture // the lock screen in login mode: a right drawing switches the lock off
    };
    enum class Switch
    {
        Hidden,
        On,
        Off
    };

    QString title;
    QString detail;
    bool arrow = false;
    Switch gestureSwitch = Switch::Hidden;
    Action action = Action::None;
};

// The settings screen's rows and the texts and parameters of the change of sex.
namespace SettingRows {

// The lock screen's modes (its `gesturePasswordType`).
inline constexpr uint kGestureLoginType = 0;
inline constexpr uint kGestureSetType = 1;

// `changeSex`: what was picked on the screen.
enum class PickedSex
{
    None = 0,
    Male = 1,
    Female = 2
};

// "1" "男", "0" or nothing "女", any other code nothing.
QString sexText(const QString &xb);
// The profile details in row order: name, sex, document number, mobile number; the name and
// the numbers come from the stored "myDic", only the sex from the profile record.
QStringList profileDetails(const QJsonObject &myDic, const KhxxModel &profile);

// Section 0: the four profile rows, then the changes of e-mail address and mobile number.
// The sex row shows the picked sex once there is one, else its detail.
QList<SettingRow> profileSection(const QStringList &details, PickedSex picked);
// Section 1: the password, then with a gesture set "去修改" and the switch on, else only the
// switch off.
QList<SettingRow> securitySection(bool gestureSet);
// The lock screen's mode for a tap on the switch: set a gesture when it is off, check it
// (and so switch it off) when it is on.
uint gestureTypeForSwitch(bool on);

// "166012": the profile's fields sent back with the picked sex ("1" 男, "2" 女).
QJsonObject changeSexParams(const QString &khbh, const KhxxModel &profile, PickedSex picked);

} // namespace SettingRows

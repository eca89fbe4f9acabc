#include "SettingRows.h"

namespace SettingRows {
namespace {
const QString kChange = QStringLiteral("去修改");
}

QString sexText(const QString &xb)
{
    if (xb == QLatin1String("1"))
        return QStringLiteral("男");
    if (xb.isEmpty() || xb == QLatin1String("0"))
        return QStringLiteral("女");
    return QString();
}

QStringList profileDetails(const QJsonObject &myDic, const KhxxModel &profile)
{
    const auto stored = [&myDic](const char *key) {
        return myDic.value(QLatin1String(key)).toString();
    };
    return {stored("khxm"), sexText(profile.xb), stored("zjhm"), stored("sjhm")};
}

QList<SettingRow> profileSection(const QStringList &details, PickedSex picked)
{
    const auto detail = [&details](int row) { return details.value(row); };
    QString sex = detail(1);
    if (picked == PickedSex::Male)
        sex = QStringLiteral("男");
    else if (picked == PickedSex::Female)
        sex = QStringLiteral("女");
    using Action = SettingRow::Action;
    return {
        {QStringLiteral("姓名"), detail(0)},
        {QStringLiteral("性别"), sex, true, SettingRow::Switch::Hidden, Action::PickSex},
        {QStringLiteral("证件号码"), detail(2)},
        {QStringLiteral("手机号码"), detail(3)},
        {QStringLiteral("邮箱地址"), kChange, true, SettingRow::Switch::Hidden,
         Action::ChangeEmail},
        {QStringLiteral("更换手机号码"), kChange, true, SettingRow::Switch::Hidden,
         Action::ChangePhone},
    };
}

QList<SettingRow> securitySection(bool gestureSet)
{
    using Action = SettingRow::Action;
    QList<SettingRow> rows{{QStringLiteral("登录密码"), kChange, true, SettingRow::Switch::Hidden,
                            Action::ChangePassword}};
    if (gestureSet)
        rows.append({QStringLiteral("手势密码"), kChange, true, SettingRow::Switch::Hidden,
                     Action::VerifyGesture});
    rows.append({QStringLiteral("手势密码"), QString(), false,
                 gestureSet ? SettingRow::Switch::On : SettingRow::Switch::Off, Action::None});
    return rows;
}

uint gestureTypeForSwitch(bool on)
{
    return on ? kGestureLoginType : kGestureSetType;
}

QJsonObject changeSexParams(const QString &khbh, const KhxxModel &profile, PickedSex picked)
{
    return {
        {QStringLiteral("khbh"), khbh},
        {QStringLiteral("nickname"), profile.nickname},
        {QStringLiteral("birthday"), profile.birthday},
        {QStringLiteral("txfjid"), profile.txfjid},
        {QStringLiteral("sjhm"), profile.sjhm},
        {QStringLiteral("gddh"), profile.gddh},
        {QStringLiteral("yxdz"), profile.yxdz},
        {QStringLiteral("xb"),
         picked == PickedSex::Male ? QStringLiteral("1") : QStringLiteral("2")},
    };
}

} // namespace SettingRows

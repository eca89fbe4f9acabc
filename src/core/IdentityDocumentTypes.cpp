#include "IdentityDocumentTypes.h"

namespace IdentityDocumentTypes {

const QList<IdentityDocumentType> &pickerTypes()
{
    static const QList<IdentityDocumentType> types = {
        {QStringLiteral("护照"), QStringLiteral("P")},
        {QStringLiteral("身份证"), QStringLiteral("N")},
        {QStringLiteral("军人身份证"), QStringLiteral("M")},
        {QStringLiteral("武装警察身份证"), QStringLiteral("A")},
        {QStringLiteral("临时居民身份证"), QStringLiteral("T")},
        {QStringLiteral("澳门居民身份证"), QStringLiteral("Y")},
        {QStringLiteral("香港居民身份证"), QStringLiteral("X")},
        {QStringLiteral("港澳居民往来内地通行证"), QStringLiteral("K")},
        {QStringLiteral("台湾居民往来内地通行证"), QStringLiteral("W")},
    };
    return types;
}

const IdentityDocumentType &mobile()
{
    static const IdentityDocumentType type{QStringLiteral("手机"), QStringLiteral("SJ")};
    return type;
}

const IdentityDocumentType &idCard()
{
    return pickerTypes().at(1);
}

int indexOfName(const QString &name)
{
    const auto &types = pickerTypes();
    for (int i = 0; i < types.size(); ++i) {
        if (types.at(i).name == name)
            return i;
    }
    return -1;
}

QString codeForName(const QString &name)
{
    const int index = indexOfName(name);
    if (index >= 0)
        return pickerTypes().at(index).code;
    return name == mobile().name ? mobile().code : QString();
}

QHash<QString, QString> reloadDictionary()
{
    QHash<QString, QString> map;
    for (const auto &type : pickerTypes())
        map.insert(type.code, type.name);
    map.insert(mobile().code, mobile().name);
    return map;
}

} // namespace IdentityDocumentTypes

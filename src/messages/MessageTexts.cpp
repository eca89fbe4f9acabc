#include "MessageTexts.h"

#include "TextValue.h"

namespace MessageTexts {

Target targetOf(const QString &message_type)
{
    switch (TextValue::intValue(message_type)) {
    case 1:
        return Target::Article;
    case 2:
        return Target::Product;
    default:
        return Target::Nothing;
    }
}

QString kindLabel(const QString &message_type)
{
    switch (targetOf(message_type)) {
    case Target::Article:
        return QStringLiteral("资讯");
    case Target::Product:
        return QStringLiteral("产品");
    case Target::Nothing:
        break;
    }
    return QStringLiteral("产品到期");
}

bool isUnread(const QString &message_status)
{
    return message_status == QLatin1String("0");
}

} // namespace MessageTexts

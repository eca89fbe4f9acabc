#pragma once

#include <QString>

// What the message list shows for a message's fields, and where selecting it leads.
namespace MessageTexts {

enum class Target
{
    Article, // type 1: the news article it names
    Product, // type 2: the product it names
    Nothing  // any other type: a maturity notice, only marked read
};

// By the integer value of `message_type`.
Target targetOf(const QString &message_type);
// "资讯", "产品", or "产品到期" for every other type.
QString kindLabel(const QString &message_type);
// Only "0" is unread.
bool isUnread(const QString &message_status);

} // namespace MessageTexts

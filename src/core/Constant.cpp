#include "Constant.h"

namespace {

using CodeTables = QHash<QString, QHash<QString, QString>>;

// Built on first use and kept for the life of the process; C++ guarantees the
// initialisation runs once even under concurrent first calls.
const CodeTables &codeTables()
{
    static const CodeTables tables = {
        {QStringLiteral("26050"), // distribution method
         {{QStringLiteral("1"), QStringLiteral("按天分配")},
          {QStringLiteral("2"), QStringLiteral("按月分配")},
          {QStringLiteral("3"), QStringLiteral("按季度分配")},
          {QStringLiteral("4"), QStringLiteral("按年分配")},
          {QStringLiteral("5"), QStringLiteral("到期分配")}}},
        {QStringLiteral("26048"), // risk-control measure
         {{QStringLiteral("1"), QStringLiteral("土地、房产抵押")},
          {QStringLiteral("2"), QStringLiteral("股权质押")},
          {QStringLiteral("3"), QStringLiteral("上市公司股票质押")},
          {QStringLiteral("4"), QStringLiteral("其他抵质押")},
          {QStringLiteral("5"), QStringLiteral("保证")},
          {QStringLiteral("6"), QStringLiteral("其他")}}},
    };
    return tables;
}

} // namespace

Constant *Constant::shareConstant()
{
    static Constant session;
    return &session;
}

void Constant::setIsLogin(bool isLogin)
{
    if (m_isLogin == isLogin)
        return;
    m_isLogin = isLogin;
    emit sessionChanged();
}

void Constant::setCurrentUser(const std::optional<QZLoginModel> &user)
{
    m_currentUser = user;
    emit sessionChanged();
}

QString Constant::translate(const QString &table, const QString &item) const
{
    const auto t = codeTables().constFind(table);
    if (t == codeTables().constEnd())
        return item;
    return t->value(item, item);
}

QString Constant::translateMoney(const QString &table, const QString &item) const
{
    return translate(table, item);
}

#pragma once

#include "QZLoginModel.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <optional>

// The session: whether a customer is signed in during this run, and that customer's
// record. Both live in memory only; every launch starts signed out. Also translates the
// server's product codes into labels.
class Constant : public QObject
{
    Q_OBJECT

public:
    static Constant *shareConstant();

    bool IsLogin() const { return m_isLogin; }
    void setIsLogin(bool isLogin);

    const std::optional<QZLoginModel> &currentUser() const { return m_currentUser; }
    void setCurrentUser(const std::optional<QZLoginModel> &user);

    // Label of (table, item); the item itself when either is unknown.
    QString translate(const QString &table, const QString &item) const;
    QString translateMoney(const QString &table, const QString &item) const;

signals:
    void sessionChanged();

private:
    Constant() = default;

    bool m_isLogin = false;
    std::optional<QZLoginModel> m_currentUser;
};

#pragma once

#include "DemoStore.h"
#include "FunctionRegistry.h"

#include <functional>
#include <optional>

// Sign-in, registration with an SMS code, password recovery and the changes of password,
// e-mail address, mobile number and sex; the customer information of the settings screen.
class AccountService
{
public:
    explicit AccountService(DemoStore &store) : m_store(store) {}

    void registerWith(FunctionRegistry &registry);

    // The customer record the sign-in answers with: the 29 fields of the client's customer model.
    static QJsonObject loginRecord(const DemoStore::Record &customer);
    static const QStringList &loginFields();

    // Sign-in look-up: by type and number, by mobile number for "SJ", by either without a type.
    qsizetype findCustomer(const QString &zjlx, const QString &zjhm) const;

private:
    GatewayReply signIn(const GatewayCall &call);
    GatewayReply sendSmsCode(const GatewayCall &call);
    GatewayReply checkRegistration(const GatewayCall &call);
    GatewayReply createAccount(const GatewayCall &call);
    GatewayReply findForRecovery(const GatewayCall &call);
    GatewayReply resetPassword(const GatewayCall &call);
    GatewayReply changePassword(const GatewayCall &call);
    GatewayReply changeEmail(const GatewayCall &call);
    GatewayReply changeMobile(const GatewayCall &call);
    GatewayReply customerInfo(const GatewayCall &call);
    GatewayReply changeSex(const GatewayCall &call);

    // The refusal for a registration's identity, mobile number and code; nothing when all pass.
    std::optional<QString> registrationProblem(const GatewayCall &call) const;
    // The refusal for an SMS code; nothing when `code` is the one sent to `mobile` for `purpose`.
    std::optional<QString> smsProblem(const QString &mobile, const QString &purpose,
                                      const QString &code) const;
    void forgetSmsCode(const QString &mobile, const QString &purpose);
    static std::optional<QString> decrypt(const QString &cipherText);
    // The refusal for a new password: unreadable, or not 6 to 20 characters; else its plain text.
    static std::optional<QString> newPasswordProblem(const QString &cipherText, QString *plain);
    // Saves a change of the customer and answers with the customer's record.
    GatewayReply updated(qsizetype customerIndex, const QString &prompt);
    // A change of the customer that the call's "khbh" names: an empty or unknown number is
    // refused as a lapsed session, a refusal of `change` leaves the customer as it was, and
    // a change made is saved and answered with `done`.
    using Change = std::function<std::optional<QString>(DemoStore::Record &customer)>;
    GatewayReply changeCustomer(const GatewayCall &call, const QString &done, const Change &change);

    DemoStore &m_store;
};

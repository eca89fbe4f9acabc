#pragma once

#include "CustomerIncomeModel.h"
#include "SpecialTradeModel.h"
#include "UserMoneyModel.h"

#include <QList>
#include <QString>
#include <optional>

// The income detail of one contract: whether the customer received it by transfer, its
// annualised yield and the header with the term's progress.
namespace IncomeDetail {

// Days from one "yyyyMMdd" date to another; an absent or unreadable date counts as the
// clock's zero, as the server's old client counted it.
double days(const QString &from, const QString &to);

// True when a transfer on the contract's special-transaction date went to the customer
// with that document number.
bool receivedByTransfer(const UserMoneyModel &contract, const QList<SpecialTradeModel> &trades,
                        const QString &zjhm);

// The annualised yield as "5.0％". Without a special transaction (`tsjysj` the empty
// string; a contract without the key had one) it is the income after the selling period
// over the years from the first dividend's start to its distribution; after a
// transfer or redemption it runs from the right's start (or, for a transferee, from the
// transfer) instead. No dividend shows the contract's `nhsyl`; a zero divisor shows "--".
QString yieldText(const UserMoneyModel &contract, const QList<CustomerIncomeModel> &records,
                  bool transferReceiver);

// The header above the distributions, all as shown.
struct Header
{
    std::optional<QString> syfpzh; // the account, when a record names one
    QString yield;
    QString cybj;
    QString ljsy; // also the paid income, ydfsy
    QString fpfs;
    QString qxrq;
    QString jsrq;
    QString jljs;
    QString ycl;
    double progress = 0; // of the term, 0 to 1
    bool grey = false;   // the bar ended or paid back
    bool showsA = false; // label A in white, else label B in red
    QString labelA;
    QString labelB;
};

Header header(const UserMoneyModel &contract, const QList<CustomerIncomeModel> &records,
              bool transferReceiver);

} // namespace IncomeDetail

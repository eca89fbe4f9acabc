#pragma once

#include "UserMoneyModel.h"

#include <QList>
#include <QPair>
#include <QString>

// What the holdings lists and details show for the fields of contracts, incomes and
// bookings. Amounts travel in yuan and are shown in ten-thousands ("万元").
namespace HoldingsTexts {

using Row = QPair<QString, QString>; // caption, value

// A titled group of rows of a detail.
struct Section
{
    QString title;
    QList<Row> rows;
};

// The kinds of special transaction (`jylx`).
inline const QString kTransfer = QStringLiteral("转让");
inline const QString kRedemption = QStringLiteral("赎回");

// "%0.f万元": yuan in ten-thousands, rounded to whole units.
QString roundedTenThousands(double yuan);
QString roundedTenThousands(const QString &yuan);

// Bought list: "成立日期：yyyy-MM-dd" from `syqksrq`; a shorter text follows as it is.
QString boughtDate(const QString &syqksrq);
// "%d万元" of the integer yuan divided by 10000, truncated: 123456 gives "12万元".
QString truncatedTenThousands(const QString &yuan);
// A contract whose valid amount is 0 no longer holds money; its name is grey.
bool isPaidBack(const UserMoneyModel &contract);
// The bought product's detail: five sections, of which only the basic information has rows.
QList<Section> boughtDetailSections(const UserMoneyModel &contract);

// Trade list: the right's name, or the product's when the right has none; the valid
// amount as "金额：%ld万元".
QString tradeName(const UserMoneyModel &contract);
QString tradeAmount(const QString &htyxje);

// Kind of a distribution: "2" return of principal, "1" dividend, anything else the
// selling period's income.
QString incomeKind(const QString &fhfs);
// Profit list: "合同分配日期 yyyy-MM-dd", the kind with "：", "+1,234.50元".
QString profitDate(const QString &fprq);
QString profitKind(const QString &fhfs);
QString profitAmount(const QString &fpje);
// Income detail: "+%.2f".
QString incomeAmount(const QString &fpje);

// Special transactions: an amount above 9999 in ten-thousands, else as shares ("份").
QString specialAmount(const QString &je);
QString specialDate(const QString &sxrq);
// "transfer" for a transfer, "getback" for a redemption, nothing for anything else.
QString specialImage(const QString &jylx);

} // namespace HoldingsTexts

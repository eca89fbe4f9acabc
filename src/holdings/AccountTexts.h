#pragma once

#include "MessageNumModel.h"
#include "ReturnDetailsModel.h"

#include <QList>
#include <QString>
#include <optional>

// What the account overview's header shows for the customer's figures.
namespace AccountTexts {

// Yuan in ten-thousands with two decimals: "%.2f万元", or the bare figure ("%.2f").
QString tenThousandsText(double yuan);
QString tenThousandsFigure(double yuan);
// The accumulated income of the distributions: "0.00元" without any; above 10000 yuan in
// ten-thousands, otherwise the server's text with "元". Nothing when every record's value
// is empty: the label keeps what it shows.
std::optional<QString> incomeText(const QList<ReturnDetailsModel> &records);
// The bell's badge title when there are unread messages; nothing hides the badge.
std::optional<QString> unreadBadge(const QList<MessageNumModel> &records);

} // namespace AccountTexts

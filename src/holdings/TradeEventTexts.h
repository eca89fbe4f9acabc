#pragma once

#include "HoldingsTexts.h"
#include "SpecialTradeModel.h"
#include "UserMoneyModel.h"

#include <QList>
#include <QString>

// The transfer and redemption details: codes turned into texts, and their sections.
namespace TradeEventTexts {

using HoldingsTexts::Section;

// Document type code → name; any other code shows nothing.
QString documentType(const QString &code);
// "1" person, "0" institution; any other code shows nothing.
QString customerType(const QString &code);
// Whose the income is: "00" the transferor's side, "01" the transferee's, else "--".
QString incomeAttribution(const QString &code);

QList<Section> transferSections(const UserMoneyModel &contract, const SpecialTradeModel &trade);
QList<Section> redemptionSections(const UserMoneyModel &contract, const SpecialTradeModel &trade);

} // namespace TradeEventTexts

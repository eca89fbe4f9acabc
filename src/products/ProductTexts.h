#pragma once

#include "modelForProd.h"

#include <QList>
#include <QPair>
#include <QString>

// The texts the product screens show for a product's fields.
namespace ProductTexts {

// Badge picture of the products tab: "rexiao" on sale, "yuyue" open for booking, else "shouwan".
QString saleBadgeImage(const QString &w_xszt);
// "%@％" with the full-width percent sign.
QString yieldText(const QString &w_yqnhsyl);
// Products tab: whole ten-thousands, remainder dropped ("50000" → "5万元", "8000" → "0万元").
QString listStartAmount(const QString &w_qdje);
// Securities list: "%.f万元" from ten thousand up (15000 → "2万元"), otherwise "%d元".
QString trustListStartAmount(const QString &w_qdje);
// Detail: above 9999 whole ten-thousands "%d万元", otherwise the text as it is with "元".
QString detailStartAmount(const QString &w_qdje);
// "%d万元" of the issue size, remainder dropped.
QString issueSize(const QString &w_xtgm);
// Securities-trust detail (fxgm): whole ten-thousands "%.f万元", other sizes from ten thousand
// up "%.4f万元", smaller ones "%d元" (3000000 "300万元", 12345 "1.2345万元", 9999 "9999元").
QString trustIssueSize(const QString &w_xtgm);
// Securities-trust detail: above 9999 whole ten-thousands "%d万元", otherwise the integer
// value "%ld元".
QString trustStartAmount(const QString &w_qdje);
// Labels of the use-of-funds and risk-control codes; empty for an unknown code.
QString fundUse(const QString &w_zjyt);
QString riskControl(const QString &w_fxkzcs);
// The distribution method's label from code table "26050"; an unknown code shows as itself.
QString distributionMethod(const QString &w_syfpfs);
QString subscriptionSteps(const modelForProd &product);

// The fifteen (caption, content) rows of the product detail, in order.
QList<QPair<QString, QString>> detailRows(const modelForProd &product);

} // namespace ProductTexts

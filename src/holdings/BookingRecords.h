#pragma once

#include "modelForAppointedProd.h"

#include <QJsonObject>
#include <QString>

// The booking records: what a row shows for a booking's state, and what deleting one sends.
namespace BookingRecords {

struct RowState
{
    QString statusText;
    bool deletable = false; // "×删除" is offered
};

// By the integer value of `yyzt`: 1 failed, 2 being processed (deletable), 3 succeeded;
// any other state shows neither a text nor the button.
RowState rowState(const QString &yyzt);

// The parameters of "166003" with `action` "D" for that booking of the customer `khbh`.
QJsonObject deleteParams(const QString &khbh, const modelForAppointedProd &booking);

} // namespace BookingRecords

#pragma once

#include "modelForProd.h"

#include <QMetaType>
#include <QString>

// A securities trust: the product fields followed by its latest net value.
class TrustProductModel : public modelForProd
{
    Q_GADGET
    Q_PROPERTY(QString zxjz MEMBER zxjz)

public:
    QString zxjz; // latest net value
};

Q_DECLARE_METATYPE(TrustProductModel)

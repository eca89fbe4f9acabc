#pragma once

#include <QMetaType>

// A record of the answer to a read mark ("164019"): the client keeps it but reads no field.
class ReadedMesModel
{
    Q_GADGET
};

Q_DECLARE_METATYPE(ReadedMesModel)

#include "RequestSpy.h"

QList<SentRequest> sentWith(const QSignalSpy &requests, const QString &code)
{
    QList<SentRequest> out;
    for (const QList<QVariant> &call : requests) {
        if (call.at(0).toString() == code)
            out.append({call.at(1).toJsonObject(), call.at(2).toJsonObject()});
    }
    return out;
}

QStringList postedNames(const QSignalSpy &posted)
{
    QStringList names;
    for (const QList<QVariant> &call : posted)
        names.append(call.at(0).toString());
    return names;
}

#pragma once

#include <QJsonObject>
#include <QList>
#include <QSignalSpy>
#include <QString>
#include <QStringList>

// What screens sent to the demo gateway, read from a QSignalSpy on its requestReceived
// signal, and which notifications were posted, read from a spy on NotificationCenter::posted.
struct SentRequest
{
    QJsonObject params;
    QJsonObject paramsExt;
};

// The requests of one function code, in the order they arrived.
QList<SentRequest> sentWith(const QSignalSpy &requests, const QString &code);

// The names of the notifications posted, in order.
QStringList postedNames(const QSignalSpy &posted);

#pragma once

#include <QHash>
#include <QList>
#include <QString>

struct IdentityDocumentType
{
    QString name; // shown to the customer
    QString code; // sent as zjlx
};

// The identity-document types: the nine the pickers offer, in their order, and the
// mobile-number type "SJ" that only sign-in by gesture and the code-to-name map know.
namespace IdentityDocumentTypes {

const QList<IdentityDocumentType> &pickerTypes();
const IdentityDocumentType &mobile();
// The default type of a fresh form.
const IdentityDocumentType &idCard();

// Position among the nine picker names; -1 when not one of them.
int indexOfName(const QString &name);
// Code of a picker name or of "手机"; empty when unknown.
QString codeForName(const QString &name);
// Code → display name for all ten types.
QHash<QString, QString> reloadDictionary();

} // namespace IdentityDocumentTypes

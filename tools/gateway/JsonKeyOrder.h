#pragma once

#include <QByteArray>
#include <QStringList>

// QJsonObject keeps its keys sorted, but "orderby" means "first key first": the order in
// which the client wrote the keys has to be read from the text itself.
namespace JsonKeyOrder {

// The keys of the object at `path` (array indexes as decimal text, object keys by name), in
// text order. Empty when the text is not valid JSON or the path does not lead to an object.
QStringList keysAt(const QByteArray &json, const QStringList &path);

} // namespace JsonKeyOrder

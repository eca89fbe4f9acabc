#pragma once

#include <QStringList>
#include <QUrl>
#include <functional>

// Dialling the service hotline: every "tel://" URL goes through here, so the client
// knows whether the platform could open it (a desktop without a telephone handler cannot).
namespace Telephone {

bool openURL(const QUrl &url);
// The tel: URLs the client tried to open, oldest first.
QStringList dialedUrls();
// Replaces the platform check (tests, the automation driver).
void setHandler(std::function<bool(const QUrl &)> handler);

} // namespace Telephone

#pragma once

#include <QStringList>
#include <functional>

class QWidget;

// Dialling the service hotline: every "tel://" URL goes through here, so the client
// knows whether the platform could open it (a desktop without a telephone handler cannot).
namespace Telephone {

// The URL as text: "tel://4008208820" (QUrl would read the digits as an IPv4 host).
bool openURL(const QString &url);
// The tel: URLs the client tried to open, oldest first.
QStringList dialedUrls();
// Dials the service hotline; when the platform cannot, says so in the alert
// "温馨提示" / "该设备不支持拨号！" / "返回" over that widget.
void callHotline(QWidget *over);
// Asks first: an alert with that title and the buttons "呼叫" (dials the hotline) and "取消".
void askToCallHotline(QWidget *over, const QString &title);
// Replaces the platform check (tests, the automation driver).
void setHandler(std::function<bool(const QString &)> handler);

} // namespace Telephone

#pragma once

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>

class ViewController;

// Every screen that can be opened by name: the automation driver's "open" command and
// deep links create screens through here, then set the properties their openers set.
// Areas register their screens explicitly at start-up (no registration before main).
class ScreenRegistry
{
public:
    using Factory = std::function<ViewController *()>;

    static ScreenRegistry &instance();

    void add(const QString &className, Factory factory);
    bool contains(const QString &className) const;
    QStringList classNames() const;

    // A new screen with the properties applied; nothing (and the reason) when the class is
    // unknown or a property cannot be set.
    ViewController *create(const QString &className, const QJsonObject &properties,
                           QString *error) const;

    // Sets Qt properties from JSON: strings, numbers and booleans directly; a JSON object
    // fills a record (Q_GADGET) property by field names.
    static bool applyProperties(ViewController *screen, const QJsonObject &properties,
                                QString *error);

private:
    QHash<QString, Factory> m_factories;
};

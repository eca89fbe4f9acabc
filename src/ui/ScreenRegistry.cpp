#include "ScreenRegistry.h"

#include "RecordMapper.h"
#include "ViewController.h"

#include <QMetaProperty>
#include <QVariant>

ScreenRegistry &ScreenRegistry::instance()
{
    static ScreenRegistry registry;
    return registry;
}

void ScreenRegistry::add(const QString &className, Factory factory)
{
    m_factories.insert(className, std::move(factory));
}

bool ScreenRegistry::contains(const QString &className) const
{
    return m_factories.contains(className);
}

QStringList ScreenRegistry::classNames() const
{
    QStringList names = m_factories.keys();
    names.sort();
    return names;
}

ViewController *ScreenRegistry::create(const QString &className, const QJsonObject &properties,
                                       QString *error) const
{
    const auto it = m_factories.constFind(className);
    if (it == m_factories.constEnd()) {
        *error = QStringLiteral("unknown screen: %1").arg(className);
        return nullptr;
    }
    ViewController *screen = (*it)();
    if (!applyProperties(screen, properties, error)) {
        delete screen;
        return nullptr;
    }
    return screen;
}

bool ScreenRegistry::applyProperties(ViewController *screen, const QJsonObject &properties,
                                     QString *error)
{
    const QMetaObject *meta = screen->metaObject();
    for (auto it = properties.constBegin(); it != properties.constEnd(); ++it) {
        const int index = meta->indexOfProperty(it.key().toLatin1().constData());
        if (index < 0) {
            *error = QStringLiteral("%1 has no property %2")
                         .arg(QString::fromLatin1(meta->className()), it.key());
            return false;
        }
        const QMetaProperty property = meta->property(index);
        const QMetaType type = property.metaType();
        QVariant value;
        if (it.value().isObject() && type.metaObject() && (type.flags() & QMetaType::IsGadget)) {
            value = QVariant(type);
            RecordMapper::fill(value.data(), *type.metaObject(), it.value().toObject());
        } else {
            value = it.value().toVariant();
            if (!value.convert(type)) {
                *error = QStringLiteral("cannot set %1 from %2")
                             .arg(it.key(), it.value().toVariant().toString());
                return false;
            }
        }
        if (!property.write(screen, value)) {
            *error = QStringLiteral("cannot set %1").arg(it.key());
            return false;
        }
    }
    return true;
}

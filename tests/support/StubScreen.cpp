#include "StubScreen.h"

#include "ScreenRegistry.h"

void StubScreen::standFor(const QStringList &classNames)
{
    for (const QString &name : classNames) {
        ScreenRegistry::instance().add(name, [name]() {
            auto *stub = new StubScreen;
            stub->openedAs = name;
            return stub;
        });
    }
}

#pragma once

#include "RootViewController.h"

#include <QVariantList>

// Stands in for a screen of another area when a test only checks that it is opened and
// with what: it takes the properties openers hand over by name and records them.
class StubScreen final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StubScreen)
    Q_PROPERTY(QString belongto MEMBER belongto)
    Q_PROPERTY(QString detailsUrl MEMBER detailsUrl)
    Q_PROPERTY(QString urltarget_type MEMBER urltarget_type)
    Q_PROPERTY(bool IsLogin MEMBER IsLogin)
    Q_PROPERTY(uint gesturePasswordType MEMBER gesturePasswordType)
    Q_PROPERTY(QVariantList userMoneyArray MEMBER userMoneyArray)
    Q_PROPERTY(QVariantList userMoneyDataArray MEMBER userMoneyDataArray)
    Q_PROPERTY(QVariantList profitArray MEMBER profitArray)
    Q_PROPERTY(QVariantList productsArray MEMBER productsArray)

public:
    StubScreen() = default;
    // Registers a stub under each class name, replacing what was registered.
    static void standFor(const QStringList &classNames);
    // The class name it was opened as.
    QString openedAs;

    QString belongto;
    QString detailsUrl;
    QString urltarget_type;
    bool IsLogin = false;
    uint gesturePasswordType = 99;
    QVariantList userMoneyArray;
    QVariantList userMoneyDataArray;
    QVariantList profitArray;
    QVariantList productsArray;
};

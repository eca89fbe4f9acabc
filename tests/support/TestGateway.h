#pragma once

#include "DemoGateway.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// A demo gateway on free loopback ports with the client pointed at it, a fresh data folder
// for the user-defaults store, and animations off, for tests that drive screens.
class TestGateway
{
public:
    TestGateway();
    ~TestGateway();

    DemoGateway &gateway() { return *m_gateway; }
    const DemoGateway &gateway() const { return *m_gateway; }
    QString dataDir() const { return m_dataDir.path(); }

    // Loads the embedded dataset after letting `edit` change it (for example to give the
    // splash several pictures).
    bool loadEditedDataset(const std::function<void(QJsonObject &)> &edit);

private:
    QTemporaryDir m_dataDir;
    std::unique_ptr<DemoGateway> m_gateway;
};

#include "TestGateway.h"

#include "Animations.h"
#include "AppConfig.h"
#include "Constant.h"
#include "UserDefaults.h"

#include <QFile>
#include <QJsonDocument>

TestGateway::TestGateway() : m_gateway(std::make_unique<DemoGateway>())
{
    if (!m_gateway->start())
        qFatal("demo gateway did not start: %s", qPrintable(m_gateway->lastError()));
    AppConfig::setGatewayBaseUrl(m_gateway->gatewayBaseUrl());
    AppConfig::setMediaBaseUrl(m_gateway->mediaBaseUrl());
    AppConfig::setInternalMediaBaseUrl(m_gateway->internalMediaBaseUrl());
    AppConfig::setDataDir(m_dataDir.path());
    UserDefaults::standard().open(m_dataDir.path() + QStringLiteral("/user-defaults.json"));
    Constant::shareConstant()->setIsLogin(false);
    Constant::shareConstant()->setCurrentUser(std::nullopt);
    Animations::setEnabled(false);
}

TestGateway::~TestGateway() = default;

bool TestGateway::loadEditedDataset(const std::function<void(QJsonObject &)> &edit)
{
    QFile embedded(DemoGateway::kDefaultDataset);
    if (!embedded.open(QIODevice::ReadOnly))
        return false;
    QJsonObject dataset = QJsonDocument::fromJson(embedded.readAll()).object();
    edit(dataset);
    const QString path = m_dataDir.path() + QStringLiteral("/dataset.json");
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(QJsonDocument(dataset).toJson());
    out.close();
    return m_gateway->loadDataset(path);
}

#include "EmbeddedGateway.h"

#include "AppConfig.h"
#include "DemoGateway.h"

EmbeddedGateway::EmbeddedGateway() = default;
EmbeddedGateway::~EmbeddedGateway() = default;

bool EmbeddedGateway::start(QString *error)
{
    m_gateway = std::make_unique<DemoGateway>();
    if (!m_gateway->start()) {
        *error = m_gateway->lastError();
        return false;
    }
    AppConfig::setGatewayBaseUrl(m_gateway->gatewayBaseUrl());
    AppConfig::setMediaBaseUrl(m_gateway->mediaBaseUrl());
    AppConfig::setInternalMediaBaseUrl(m_gateway->internalMediaBaseUrl());
    return true;
}

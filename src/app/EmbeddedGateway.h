#pragma once

#include <QString>
#include <memory>

class DemoGateway;

// The demo gateway started inside the client when no gateway is configured, on free
// loopback ports, with the client pointed at it.
class EmbeddedGateway
{
public:
    EmbeddedGateway();
    ~EmbeddedGateway();

    bool start(QString *error);

private:
    std::unique_ptr<DemoGateway> m_gateway;
};

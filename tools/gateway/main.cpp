// chenglan-gateway: the demo gateway on its own, for trying the client against it and for QA.

#include "DemoGateway.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QNetworkInterface>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Pictures and documents are painted with fonts, which need a GUI application; a server
    // has no display, so the offscreen platform is the default.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("chenglan-gateway"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("澄岚信托 demo gateway and media server"));
    parser.addHelpOption();
    const QCommandLineOption port({"p", "port"}, "Gateway port (default 8100).", "PORT", "8100");
    const QCommandLineOption mediaPort("media-port", "Media server port (default 8180).", "PORT",
                                       "8180");
    const QCommandLineOption internalPort(
        "internal-media-port", "Internal media endpoint port (default 8300).", "PORT", "8300");
    const QCommandLineOption listen("listen", "Address to listen on (default 127.0.0.1).",
                                    "ADDRESS", "127.0.0.1");
    const QCommandLineOption dataset("dataset", "Dataset file instead of the embedded one.",
                                     "FILE");
    const QCommandLineOption state("state", "Keep the customers' changes in FILE across runs.",
                                   "FILE");
    const QCommandLineOption record("record", "Append one JSON line per request to FILE.", "FILE");
    const QCommandLineOption fault("fault",
                                   "Fault for a function code, e.g. 164021=delay:2000, "
                                   "168000=refuse:系统维护中, *=status:503, 166003=drop@500. "
                                   "Repeatable.",
                                   "CODE=FAULT");
    const QCommandLineOption quiet("quiet", "Do not log every request.");
    const QCommandLineOption bodies("log-bodies",
                                    "Log the parameters of every request, secrets masked.");
    parser.addOptions(
        {port, mediaPort, internalPort, listen, dataset, state, record, fault, quiet, bodies});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.isSet(quiet))
        QLoggingCategory::setFilterRules(QStringLiteral("chenglan.demo.debug=false"));
    else if (parser.isSet(bodies))
        QLoggingCategory::setFilterRules(QStringLiteral("chenglan.demo.body.debug=true"));

    auto portValue = [&](const QCommandLineOption &option, quint16 *value) {
        bool ok = false;
        const uint n = parser.value(option).toUInt(&ok);
        *value = quint16(n);
        return ok && n <= 65535;
    };
    quint16 ports[3] = {};
    if (!portValue(port, &ports[0]) || !portValue(mediaPort, &ports[1]) ||
        !portValue(internalPort, &ports[2])) {
        err << "chenglan-gateway: a port must be a number from 0 to 65535\n";
        return 2;
    }
    const QHostAddress address(parser.value(listen));
    if (address.isNull()) {
        err << "chenglan-gateway: not an address: " << parser.value(listen) << "\n";
        return 2;
    }

    DemoGateway gateway;
    gateway.setListenAddress(address);
    if (parser.isSet(dataset) && !gateway.loadDataset(parser.value(dataset))) {
        err << "chenglan-gateway: " << gateway.lastError() << "\n";
        return 1;
    }
    // Serving on without the file would lose the changes the caller asked to keep.
    if (parser.isSet(state) && !gateway.setStateFile(parser.value(state))) {
        err << "chenglan-gateway: " << gateway.lastError() << "; nothing was written to it\n";
        return 1;
    }
    if (parser.isSet(record) && !gateway.setRecordFile(parser.value(record))) {
        err << "chenglan-gateway: " << gateway.lastError() << "\n";
        return 1;
    }
    for (const QString &given : parser.values(fault)) {
        const qsizetype eq = given.indexOf(QLatin1Char('='));
        const auto parsed = eq > 0 ? GatewayFault::fromText(given.mid(eq + 1)) : std::nullopt;
        if (!parsed) {
            err << "chenglan-gateway: not a fault: " << given << "\n";
            return 2;
        }
        gateway.setFault(given.left(eq), *parsed);
    }
    if (!gateway.start(ports[0], ports[1], ports[2])) {
        err << "chenglan-gateway: " << gateway.lastError() << "\n";
        return 1;
    }

    out << "gateway:        " << gateway.gatewayUrl().toString() << "\n"
        << "media:          " << gateway.mediaBaseUrl().toString() << "/upload/user/1/\n"
        << "internal media: " << gateway.internalMediaBaseUrl().toString()
        << "/ump/upload/user/1/\n"
        << "fault control:  " << gateway.gatewayBaseUrl().toString() << DemoGateway::kFaultsPath
        << "\n"
        << "demo SMS code:  " << gateway.demoSmsCode() << "\n";
    // On every address, the URLs above use loopback; these reach it from elsewhere.
    if (address == QHostAddress::Any || address == QHostAddress::AnyIPv4 ||
        address == QHostAddress::AnyIPv6) {
        for (const QHostAddress &other : QNetworkInterface::allAddresses()) {
            const bool v4 = other.protocol() == QAbstractSocket::IPv4Protocol;
            if (other.isLoopback() || other.isLinkLocal() ||
                (address == QHostAddress::AnyIPv4 && !v4) ||
                (address == QHostAddress::AnyIPv6 && v4))
                continue;
            QUrl url = gateway.gatewayBaseUrl();
            url.setHost(other.toString());
            out << "also at:        " << url.toString() << "\n";
        }
    }
    out.flush();
    return app.exec();
}

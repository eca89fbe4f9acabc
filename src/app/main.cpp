#include "Animations.h"
#include "AppConfig.h"
#include "AppDelegate.h"
#include "AutomationDriver.h"
#include "ClientScreens.h"
#include "EmbeddedGateway.h"
#include "MemoryRelief.h"

#include <QApplication>
#include <QIcon>
#include <QCommandLineParser>
#include <QFontDatabase>
#include <QRegularExpression>

#include <cstdio>

namespace {

QSize parseSize(const QString &text, bool *ok)
{
    const auto match = QRegularExpression(QStringLiteral("^(\\d{3,4})x(\\d{3,4})$")).match(text);
    *ok = match.hasMatch();
    return *ok ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
}

void useChineseFont(QApplication &app)
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(14);
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);
    // Thin phone-like scroll bars everywhere.
    app.setStyleSheet(
        QStringLiteral("QScrollBar:vertical { width: 4px; background: transparent; margin: 0; }"
                       "QScrollBar::handle:vertical { background: rgba(0,0,0,80); border-radius: "
                       "2px; min-height: 20px; }"
                       "QScrollBar::add-line, QScrollBar::sub-line, QScrollBar::add-page, "
                       "QScrollBar::sub-page { height: 0; background: none; }"));
}

} // namespace

int main(int argc, char *argv[])
{
    MemoryRelief::returnLargeBuffers();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("chenglan"));
    QApplication::setOrganizationName(QStringLiteral("chenglan"));
    // The company's mark in the title bar and task switcher, matched to the desktop entry.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/logo.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("chenglan"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("澄岚信托 phone client"));
    parser.addHelpOption();
    AppConfig::addCommandLineOptions(parser);
    parser.addOptions({
        {QStringLiteral("automation"),
         QStringLiteral("Read JSON commands on standard input (see docs/automation.md).")},
        {QStringLiteral("size"), QStringLiteral("Window size in points, e.g. 375x667."),
         QStringLiteral("WxH"), QStringLiteral("320x568")},
    });
    parser.process(app);

    AppConfig::loadEnvironment();
    QString error;
    bool sizeOk = false;
    const QSize size = parseSize(parser.value(QStringLiteral("size")), &sizeOk);
    if (!AppConfig::applyCommandLine(parser, &error) || !sizeOk) {
        std::fprintf(
            stderr, "chenglan: %s\n",
            qPrintable(sizeOk ? error : QStringLiteral("--size: expected WxH, e.g. 375x667")));
        return 2;
    }

    EmbeddedGateway gateway;
    if (!AppConfig::hasGatewayOverride() && !gateway.start(&error)) {
        std::fprintf(stderr, "chenglan: cannot start the demo gateway: %s\n", qPrintable(error));
        return 1;
    }

    useChineseFont(app);
    registerClientScreens();

    const bool automation = parser.isSet(QStringLiteral("automation"));
    if (automation)
        Animations::setEnabled(false);
    AppDelegate delegate(size);
    delegate.start();
    AutomationDriver driver(&delegate);
    if (automation)
        driver.start();
    return app.exec();
}

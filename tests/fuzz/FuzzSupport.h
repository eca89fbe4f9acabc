#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>

// What every fuzz target shares: the libFuzzer entry point and a quiet log.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace FuzzSupport {

// Warnings about bad input are the expected outcome here, and writing millions of them
// slows a run down to a crawl; only a fatal message is still printed before Qt aborts.
inline void silenceLogs()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
}

// The input without a copy; valid for the call only.
inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace FuzzSupport

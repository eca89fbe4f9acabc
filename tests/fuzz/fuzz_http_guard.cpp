// The bytes of one connection as the demo gateway's guard follows them before the HTTP
// server buffers anything: whatever arrives, and however it is split, the guard either
// stays sound or refuses with one of its statuses, and never changes its mind.
#include "FuzzSupport.h"

#include "HttpRequestGuard.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceLogs();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the rest is cut into reads, as a socket would deliver it.
    const size_t piece = size_t(data[0] % 64) + 1;
    const QByteArray bytes = FuzzSupport::bytesOf(data + 1, size - 1);
    HttpRequestGuard whole(4096, 512);
    HttpRequestGuard split(4096, 512);
    const int wholeStatus = whole.feed(bytes);
    int splitStatus = 0;
    for (qsizetype at = 0; at < bytes.size(); at += qsizetype(piece)) {
        const int status =
            split.feed(QByteArrayView(bytes).sliced(at, qMin(qsizetype(piece), bytes.size() - at)));
        if (splitStatus != 0 && status != splitStatus)
            __builtin_trap();
        splitStatus = status;
    }
    const auto known = [](int status) {
        return status == 0 || status == 400 || status == 413 || status == 431;
    };
    if (!known(wholeStatus) || !known(splitStatus))
        __builtin_trap();
    // How the bytes arrive never changes the verdict.
    if (wholeStatus != splitStatus || whole.completedRequests() != split.completedRequests())
        __builtin_trap();
    return 0;
}

// The password cipher's reading side: Base64 text of any shape, decrypted with the fixed key,
// and whatever decodes must survive a round trip through both directions.
#include "FuzzSupport.h"

#include "AES256.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceLogs();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(FuzzSupport::bytesOf(data, size));

    if (const auto bytes = AES256::dataWithBase64EncodedString(text)) {
        const auto again = AES256::dataWithBase64EncodedString(AES256::base64Encoding(*bytes));
        if (!again || *again != *bytes)
            __builtin_trap();
    }

    if (const auto plain = AES256::AES256DecryptWithCiphertext(text)) {
        const auto cipher = AES256::AES256EncryptWithPlainText(*plain);
        if (!cipher || AES256::AES256DecryptWithCiphertext(*cipher) != plain)
            __builtin_trap();
    }

    // The input as a password, and as a key (only its first 16 units count).
    const auto cipher = AES256::AES256EncryptWithPlainText(text, text);
    if (!cipher || AES256::AES256DecryptWithCiphertext(*cipher, text) != text)
        __builtin_trap();
    return 0;
}

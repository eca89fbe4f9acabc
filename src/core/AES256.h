#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Password encryption as the gateway expects it: AES-128-CBC with PKCS#7 padding,
// key and IV built from the low bytes of UTF-16 code units, Base64 output.
// This is a wire format shared with the server; it must not change.
class AES256
{
public:
    // The key every caller passes, and the fixed initialisation vector.
    static const QString kPasswordKey;
    static const QString kInitVector;

    // Base64 of the ciphertext of the UTF-8 plaintext; nothing if the cipher fails.
    static std::optional<QString> AES256EncryptWithPlainText(const QString &plain,
                                                             const QString &key = kPasswordKey);
    // The exact inverse; nothing when the text is not Base64 or not a valid ciphertext.
    static std::optional<QString> AES256DecryptWithCiphertext(const QString &base64,
                                                              const QString &key = kPasswordKey);

    static QByteArray AESKeyForPassword(const QString &key);
    // 16 bytes: byte i is the low 8 bits of UTF-16 unit i, zero past the end of the string.
    static QByteArray NSStringToByte(const QString &text);

    static QString base64Encoding(const QByteArray &bytes);
    // White space and '=' are skipped anywhere; any other foreign character, or a lone
    // final character of a 4-character group, is an error.
    static std::optional<QByteArray> dataWithBase64EncodedString(const QString &text);
};

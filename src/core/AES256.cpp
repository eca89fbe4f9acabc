#include "AES256.h"

#include <openssl/evp.h>

#include <array>
#include <memory>

const QString AES256::kPasswordKey = QStringLiteral("7a41c0e95d3b2f68");
const QString AES256::kInitVector = QStringLiteral("0907050301080604");

namespace {

constexpr int kBlockSize = 16;
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

std::optional<QByteArray> runCipher(const QByteArray &input, const QString &key, bool encrypt)
{
    const QByteArray keyBytes = AES256::AESKeyForPassword(key);
    const QByteArray ivBytes = AES256::NSStringToByte(AES256::kInitVector);
    CipherContext ctx(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    if (!ctx)
        return std::nullopt;
    const auto *k = reinterpret_cast<const unsigned char *>(keyBytes.constData());
    const auto *iv = reinterpret_cast<const unsigned char *>(ivBytes.constData());
    if (EVP_CipherInit_ex(ctx.get(), EVP_aes_128_cbc(), nullptr, k, iv, encrypt ? 1 : 0) != 1)
        return std::nullopt;

    QByteArray output(input.size() + kBlockSize, Qt::Uninitialized);
    auto *out = reinterpret_cast<unsigned char *>(output.data());
    int written = 0;
    int finalWritten = 0;
    if (EVP_CipherUpdate(ctx.get(), out, &written,
                         reinterpret_cast<const unsigned char *>(input.constData()),
                         int(input.size())) != 1)
        return std::nullopt;
    if (EVP_CipherFinal_ex(ctx.get(), out + written, &finalWritten) != 1)
        return std::nullopt;
    output.resize(written + finalWritten);
    return output;
}

const std::array<qint8, 256> &reverseAlphabet()
{
    static const std::array<qint8, 256> table = [] {
        std::array<qint8, 256> t;
        t.fill(-1);
        for (int i = 0; i < 64; ++i)
            t[static_cast<unsigned char>(kAlphabet[i])] = qint8(i);
        return t;
    }();
    return table;
}

bool isBase64WhiteSpace(char16_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

std::optional<QString> AES256::AES256EncryptWithPlainText(const QString &plain, const QString &key)
{
    const auto cipher = runCipher(plain.toUtf8(), key, true);
    if (!cipher)
        return std::nullopt;
    return base64Encoding(*cipher);
}

std::optional<QString> AES256::AES256DecryptWithCiphertext(const QString &base64,
                                                           const QString &key)
{
    const auto bytes = dataWithBase64EncodedString(base64);
    if (!bytes || bytes->isEmpty())
        return std::nullopt;
    const auto plain = runCipher(*bytes, key, false);
    if (!plain)
        return std::nullopt;
    return QString::fromUtf8(*plain);
}

QByteArray AES256::AESKeyForPassword(const QString &key)
{
    return NSStringToByte(key);
}

QByteArray AES256::NSStringToByte(const QString &text)
{
    QByteArray bytes(kBlockSize, '\0');
    const int n = std::min<int>(kBlockSize, int(text.size()));
    for (int i = 0; i < n; ++i)
        bytes[i] = char(text.at(i).unicode() & 0xFF);
    return bytes;
}

QString AES256::base64Encoding(const QByteArray &bytes)
{
    QString out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; i += 3) {
        const quint32 b0 = data[i];
        const quint32 b1 = i + 1 < n ? data[i + 1] : 0;
        const quint32 b2 = i + 2 < n ? data[i + 2] : 0;
        const quint32 triple = (b0 << 16) | (b1 << 8) | b2;
        out += QLatin1Char(kAlphabet[(triple >> 18) & 0x3F]);
        out += QLatin1Char(kAlphabet[(triple >> 12) & 0x3F]);
        out += i + 1 < n ? QLatin1Char(kAlphabet[(triple >> 6) & 0x3F]) : QLatin1Char('=');
        out += i + 2 < n ? QLatin1Char(kAlphabet[triple & 0x3F]) : QLatin1Char('=');
    }
    return out;
}

std::optional<QByteArray> AES256::dataWithBase64EncodedString(const QString &text)
{
    const auto &table = reverseAlphabet();
    QByteArray out;
    out.reserve(text.size() * 3 / 4);
    quint32 group = 0;
    int count = 0;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == '=' || isBase64WhiteSpace(c))
            continue;
        if (c > 0xFF || table[c] < 0)
            return std::nullopt;
        group = (group << 6) | quint32(table[c]);
        if (++count == 4) {
            out.append(char((group >> 16) & 0xFF));
            out.append(char((group >> 8) & 0xFF));
            out.append(char(group & 0xFF));
            group = 0;
            count = 0;
        }
    }
    switch (count) {
    case 0:
        break;
    case 1:
        return std::nullopt;
    case 2:
        out.append(char((group >> 4) & 0xFF));
        break;
    case 3:
        out.append(char((group >> 10) & 0xFF));
        out.append(char((group >> 2) & 0xFF));
        break;
    }
    return out;
}

#include "AES256.h"

#include <QTest>

// The encrypted password is a wire format the server decrypts with its own copy of the
// key, so the expected texts below were made outside this code base, with
//   printf '%s' "$plain" | openssl enc -aes-128-cbc -base64 -A
//       -K 37613431633065393564336232663638 -iv 30393037303530333031303830363034
// (-K and -iv are the character codes of "7a41c0e95d3b2f68" and "0907050301080604").
class TestCoreAes : public QObject
{
    Q_OBJECT

private slots:
    void encrypt_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("expected");

        // clang-format off
        // One block of padding only: 16 bytes, 24 characters ending "==".
        QTest::newRow("empty") << QString() << "mwVz32ixQwbUL9nK2X3dRA==";
        QTest::newRow("one character") << "a" << "pv2JvSbUG/ZSVXmtk+clQQ==";
        QTest::newRow("letters and digits") << "abc123" << "4rhADdduS/uVsRcZjm6zzw==";
        // Exactly one block of text gets a whole block of padding: 32 bytes, 44 characters.
        QTest::newRow("16 characters") << "1234567890abcdef" << "Vcb4F8rcpqwfnT0MPSrIi6uSRl+o7r5YJVdNggPvhL0=";
        // Chinese is encrypted as UTF-8: 6 + 6 bytes fit one block.
        QTest::newRow("Chinese and ASCII") << "密码abc123" << "sklJCLEQ9yUVX9iqrCXKiA==";
        // 23 UTF-8 bytes: two blocks.
        QTest::newRow("Chinese, two blocks") << "澄岚信托密码2024!" << "22Q2W5MBfWE7H2KhlOxwSK1noDKI6ZHSEq9hgUOk8YA=";
        // clang-format on
    }

    void encrypt()
    {
        QFETCH(QString, plain);
        QFETCH(QString, expected);
        const auto cipher = AES256::AES256EncryptWithPlainText(plain, AES256::kPasswordKey);
        QCOMPARE(cipher, std::optional<QString>(expected));
        // The key every caller passes is the default.
        QCOMPARE(AES256::AES256EncryptWithPlainText(plain), cipher);
        // And back.
        QCOMPARE(AES256::AES256DecryptWithCiphertext(expected), std::optional<QString>(plain));
    }

    void decryptRoundTrip_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("key");

        // clang-format off
        QTest::newRow("emoji (surrogate pair)") << "pass😀word" << AES256::kPasswordKey;
        QTest::newRow("symbols and spaces") << " a b\t=+/ " << AES256::kPasswordKey;
        QTest::newRow("long") << QString(100, u'密') << AES256::kPasswordKey;
        QTest::newRow("other key") << "abc123" << "another key 0123";
        QTest::newRow("short key") << "abc123" << "k";
        // clang-format on
    }

    void decryptRoundTrip()
    {
        QFETCH(QString, plain);
        QFETCH(QString, key);
        const auto cipher = AES256::AES256EncryptWithPlainText(plain, key);
        QVERIFY(cipher.has_value());
        QCOMPARE(AES256::AES256DecryptWithCiphertext(*cipher, key), std::optional<QString>(plain));
    }

    void decryptRejects_data()
    {
        QTest::addColumn<QString>("text");

        // clang-format off
        QTest::newRow("not Base64") << "abc$";
        QTest::newRow("lone final character") << "mwVz32ixQwbUL9nK2X3dRA==A";
        QTest::newRow("not a whole block") << "AAAA";
        QTest::newRow("empty") << "";
        // A block under the wrong key ends in bytes that are no valid padding.
        QTest::newRow("ciphertext of another key") << "+xVTQezWqvmF+sd8Fh45eQ==";
        // clang-format on
    }

    void decryptRejects()
    {
        QFETCH(QString, text);
        QCOMPARE(AES256::AES256DecryptWithCiphertext(text), std::nullopt);
    }

    void keyBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");

        // A character outside the BMP is two units, each giving its own low byte:
        // U+1F600 is D83D DE00.
        QByteArray surrogates(16, '\0');
        surrogates[0] = char(0x3D);
        // clang-format off
        QTest::newRow("16 ASCII characters") << "0123456789abcdef" << QByteArray("0123456789abcdef");
        QTest::newRow("short: zero padded") << "abc" << QByteArray("abc").leftJustified(16, '\0');
        QTest::newRow("empty: all zero") << "" << QByteArray(16, '\0');
        QTest::newRow("long: cut after 16") << "0123456789abcdefXYZ" << QByteArray("0123456789abcdef");
        // U+952E "键" → 0x2E, U+00E9 "é" → 0xE9: the low 8 bits of each UTF-16 unit.
        QTest::newRow("non-ASCII low byte") << "键é" << QByteArray("\x2E\xE9").leftJustified(16, '\0');
        QTest::newRow("surrogate pair") << "😀" << surrogates;
        // The vector is the digits' character codes, not a hexadecimal decoding.
        QTest::newRow("initialisation vector") << AES256::kInitVector << QByteArray("0907050301080604");
        // clang-format on
    }

    void keyBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(AES256::NSStringToByte(text), expected);
        QCOMPARE(AES256::AESKeyForPassword(text), expected);
    }

    void shortLongAndWideKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        // clang-format off
        // openssl -K 61626300000000000000000000000000 (zero padding of "abc").
        QTest::newRow("short key zero padded") << "abc" << "+xVTQezWqvmF+sd8Fh45eQ==";
        // Characters past the 16th do not count.
        QTest::newRow("long key cut") << "7a41c0e95d3b2f68 and more" << "4rhADdduS/uVsRcZjm6zzw==";
        // openssl -K of ".bcdefghijklmnop": "键" counts as its low byte 0x2E.
        QTest::newRow("non-ASCII key character") << "键bcdefghijklmnop" << "AI06l2wg8+kEPgqEyUGKUQ==";
        // clang-format on
    }

    void shortLongAndWideKeys()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(AES256::AES256EncryptWithPlainText(QStringLiteral("abc123"), key),
                 std::optional<QString>(expected));
    }

    void base64Encoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");

        // clang-format off
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("one byte") << QByteArray("a") << "YQ==";
        QTest::newRow("two bytes") << QByteArray("ab") << "YWI=";
        QTest::newRow("three bytes") << QByteArray("abc") << "YWJj";
        QTest::newRow("zero and high bytes use + and /") << QByteArray("\x00\xff\xfe", 3) << "AP/+";
        QTest::newRow("no line breaks") << QByteArray(100, 'x') << QString::fromLatin1(QByteArray(100, 'x').toBase64());
        // clang-format on
    }

    void base64Encoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(AES256::base64Encoding(bytes), expected);
        QCOMPARE(AES256::dataWithBase64EncodedString(expected), std::optional<QByteArray>(bytes));
    }

    void base64Decoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");

        // clang-format off
        QTest::newRow("only white space and =") << " \n== \t" << QByteArray();
        QTest::newRow("final group of 2 without =") << "YQ" << QByteArray("a");
        QTest::newRow("final group of 3 without =") << "YWI" << QByteArray("ab");
        QTest::newRow("line breaks and spaces inside") << "YW\r\nJ j\tZA\f==\v" << QByteArray("abcd");
        QTest::newRow("= in the middle is skipped") << "YW=Jj" << QByteArray("abc");
        QTest::newRow("= at the start is skipped") << "==YWJj" << QByteArray("abc");
        QTest::newRow("+ and /") << "+//+" << QByteArray("\xfb\xff\xfe");
        // clang-format on
    }

    void base64Decoding()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(AES256::dataWithBase64EncodedString(text), std::optional<QByteArray>(expected));
    }

    void base64DecodingFails_data()
    {
        QTest::addColumn<QString>("text");

        // clang-format off
        QTest::newRow("lone character") << "Y";
        QTest::newRow("lone final character") << "YWJjZ";
        QTest::newRow("lone final character before =") << "YWJjZ===";
        QTest::newRow("URL-safe -") << "YW-j";
        QTest::newRow("URL-safe _") << "YW_j";
        QTest::newRow("dot") << "YW.j";
        QTest::newRow("Latin-1 letter") << "YWJé";
        QTest::newRow("Chinese") << "YWJj密";
        QTest::newRow("NUL") << QString(QStringLiteral("YW") + QChar(0) + QStringLiteral("Jj"));
        // A character whose low byte is a Base64 letter must not pass for it (U+0141 → 0x41 'A').
        QTest::newRow("wide character with an alphabet low byte") << QStringLiteral("YWJ\u0141");
        // clang-format on
    }

    void base64DecodingFails()
    {
        QFETCH(QString, text);
        QCOMPARE(AES256::dataWithBase64EncodedString(text), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestCoreAes)
#include "test_core_aes.moc"

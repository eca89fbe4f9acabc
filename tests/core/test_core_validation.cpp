#include "Formatting.h"
#include "Validation.h"

#include <QTest>

namespace {

// Check characters worked out by hand from the weights 7 9 10 5 8 4 2 1 6 3 7 9 10 5 8
// 4 2 and the table "10X98765432" (sum mod 11 picks the character).
// 1·7+1·9+0·10+1·5+0·8+5·4+1·2+9·1+4·6+9·3+1·7+2·9+3·10+1·5+0·8+0·4+2·2 = 167 ≡ 2 → "X".
const QString kNumberWithX = QStringLiteral("11010519491231002X");

} // namespace

// The form checks and display formats every screen relies on. A validator that is
// too lenient lets the server reject a booking with a vague prompt; one that is too
// strict locks a customer out, so both directions are covered.
class TestCoreValidation : public QObject
{
    Q_OBJECT

private slots:
    void idCardNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");

        // One number for each remainder 0..10, so every check character is used once.
        // clang-format off
        QTest::newRow("check X") << kNumberWithX << true;
        QTest::newRow("check x typed lower-case") << "11010519491231002x" << true;
        QTest::newRow("remainder 0 → 1") << "330106198500000071" << true;
        QTest::newRow("remainder 1 → 0") << "330106198500000020" << true;
        QTest::newRow("remainder 2 → X") << "33010619850000008X" << true;
        QTest::newRow("remainder 3 → 9") << "330106198500000039" << true;
        QTest::newRow("remainder 4 → 8") << "330106198500000098" << true;
        QTest::newRow("remainder 5 → 7") << "330106198500000047" << true;
        QTest::newRow("remainder 6 → 6") << "330106198500000186" << true;
        QTest::newRow("remainder 7 → 5") << "330106198500000055" << true;
        QTest::newRow("remainder 8 → 4") << "330106198500000004" << true;
        QTest::newRow("remainder 9 → 3") << "330106198500000063" << true;
        QTest::newRow("remainder 10 → 2") << "330106198500000012" << true;
        // Neither the region nor the date of birth is examined.
        QTest::newRow("unknown region, month 13") << "999999199913990010" << true;
        QTest::newRow("17 characters") << "11010519491231002" << false;
        QTest::newRow("19 characters") << "11010519491231002X0" << false;
        QTest::newRow("19 characters, trailing space") << "11010519491231002X " << false;
        QTest::newRow("leading space, 19 characters") << " 11010519491231002X" << false;
        QTest::newRow("15-digit old number") << "110105491231002" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("letter first") << "A1010519491231002X" << false;
        QTest::newRow("letter at 17") << "1101051949123100AX" << false;
        QTest::newRow("X among the first 17") << "X10105194912310021" << false;
        QTest::newRow("space among the first 17") << "110105 9491231002X" << false;
        QTest::newRow("full-width digit among the first 17") << "１10105194912310022" << false;
        QTest::newRow("digit where X belongs") << "110105194912310020" << false;
        QTest::newRow("other letter as check") << "11010519491231002Y" << false;
        QTest::newRow("X where a digit belongs") << "33010619850000007X" << false;
        // clang-format on
    }

    void idCardNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(Validation::validateIDCardNumber(text), valid);
    }

    void idCardNumberRejectsEveryOneDigitChange()
    {
        // Every weight is prime to 11, so changing any one digit changes the remainder.
        for (int position = 0; position < 18; ++position) {
            for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
                QString changed = kNumberWithX;
                if (changed.at(position) == QChar(digit))
                    continue;
                changed[position] = QChar(digit);
                QVERIFY2(!Validation::validateIDCardNumber(changed), qPrintable(changed));
            }
        }
    }

    void phone_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");

        // clang-format off
        QTest::newRow("130") << "13012345678" << true;
        QTest::newRow("134") << "13412345678" << true;
        QTest::newRow("1349 (telecom)") << "13491234567" << true;
        QTest::newRow("153") << "15312345678" << true;
        QTest::newRow("159") << "15912345678" << true;
        QTest::newRow("180") << "18012345678" << true;
        QTest::newRow("189") << "18912345678" << true;
        QTest::newRow("154 not in any pattern") << "15412345678" << false;
        QTest::newRow("181 not in any pattern") << "18112345678" << false;
        QTest::newRow("184 not in any pattern") << "18412345678" << false;
        QTest::newRow("170 not in any pattern") << "17012345678" << false;
        QTest::newRow("145 not in any pattern") << "14512345678" << false;
        QTest::newRow("12x") << "12345678901" << false;
        QTest::newRow("10 digits") << "1381234567" << false;
        QTest::newRow("12 digits") << "138123456789" << false;
        QTest::newRow("inner space") << "138 12345678" << false;
        QTest::newRow("leading space") << " 13812345678" << false;
        QTest::newRow("trailing newline") << "13812345678\n" << false;
        QTest::newRow("country code") << "+8613812345678" << false;
        QTest::newRow("empty") << "" << false;
        // clang-format on
    }

    void phone()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(Validation::validatePhone(text), valid);
    }

    void email_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");

        // clang-format off
        QTest::newRow("short") << "a@b.cn" << true;
        QTest::newRow("dots, plus, subdomain") << "user.name+tag@mail.example.com" << true;
        QTest::newRow("underscore, percent, dash, upper case") << "A_B%c-d@x-y.ORG" << true;
        QTest::newRow("four-letter final part") << "x@y.info" << true;
        QTest::newRow("one-letter final part") << "a@b.c" << false;
        QTest::newRow("five-letter final part") << "a@b.store" << false;
        QTest::newRow("digit in final part") << "a@b.co1" << false;
        QTest::newRow("no dot") << "a@bcn" << false;
        QTest::newRow("no at") << "ab.cn" << false;
        QTest::newRow("two ats") << "a@b@c.cn" << false;
        QTest::newRow("empty local part") << "@b.cn" << false;
        QTest::newRow("space inside") << "a b@c.cn" << false;
        QTest::newRow("trailing newline") << "a@b.cn\n" << false;
        QTest::newRow("Chinese local part") << "用户@b.cn" << false;
        QTest::newRow("empty") << "" << false;
        // clang-format on
    }

    void email()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(Validation::validateEmail(text), valid);
    }

    void password_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");

        // clang-format off
        QTest::newRow("three letters three digits") << "abc123" << true;
        QTest::newRow("digits first") << "123abc" << true;
        QTest::newRow("mixed, upper case") << "A1b2C3" << true;
        QTest::newRow("18 characters") << "abcdefghi123456789" << true;
        QTest::newRow("six digits") << "123456" << false;
        QTest::newRow("six letters") << "abcdef" << false;
        QTest::newRow("eighteen digits") << "123456789012345678" << false;
        QTest::newRow("five characters") << "ab12c" << false;
        QTest::newRow("19 characters") << "abcdefghi1234567890" << false;
        QTest::newRow("symbol") << "abc12!" << false;
        QTest::newRow("trailing newline") << "abc123\n" << false;
        QTest::newRow("Chinese") << "密码abc123" << false;
        QTest::newRow("full-width digits") << "abc１２３" << false;
        QTest::newRow("empty") << "" << false;
        // clang-format on
    }

    void password()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(Validation::checkPassword(text), valid);
    }

    void userName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");

        // clang-format off
        QTest::newRow("Chinese name") << "张三" << true;
        QTest::newRow("Latin and Chinese") << "Li张" << true;
        QTest::newRow("first of the range U+4E00") << "一" << true;
        QTest::newRow("last of the range U+9FA5") << "龥" << true;
        QTest::newRow("20 Latin letters") << QString(20, u'a') << true;
        QTest::newRow("20 ideographs") << QString(20, u'澄') << true;
        QTest::newRow("21 Latin letters") << QString(21, u'a') << false;
        QTest::newRow("21 ideographs") << QString(21, u'澄') << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("after the range U+9FA6") << "龦" << false;
        QTest::newRow("before the range U+4DFF") << QString(QChar(0x4DFF)) << false;
        QTest::newRow("ideograph zero U+3007") << "〇" << false;
        QTest::newRow("extension B (surrogate pair)") << "𠀀" << false;
        QTest::newRow("middle dot of a transliterated name") << "阿卜杜·热合曼" << false;
        QTest::newRow("space") << "张 三" << false;
        QTest::newRow("digit") << "Li3" << false;
        QTest::newRow("accented letter") << "José" << false;
        QTest::newRow("trailing newline") << "张三\n" << false;
        // clang-format on
    }

    void userName()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(Validation::checkUserName(text), valid);
    }

    void pureNumAndCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("noDigit");

        // clang-format off
        QTest::newRow("letters only") << "abc" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("Chinese and symbols") << "一二三-.,+" << true;
        QTest::newRow("one digit") << "1" << false;
        QTest::newRow("digit at the end") << "abc9" << false;
        QTest::newRow("digit at the start") << "0abc" << false;
        QTest::newRow("amount") << "10.5" << false;
        // clang-format on
    }

    void pureNumAndCharacters()
    {
        QFETCH(QString, text);
        QFETCH(bool, noDigit);
        QCOMPARE(Validation::isPureNumandCharacters(text), noDigit);
    }

    void formateDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        // clang-format off
        QTest::newRow("eight digits") << "20160105" << "2016-01-05";
        QTest::newRow("any eight characters") << "abcdefgh" << "abcd-ef-gh";
        QTest::newRow("eight ideographs") << "二〇一六年一月五" << "二〇一六-年一-月五";
        QTest::newRow("seven characters unchanged") << "2016010" << "2016010";
        QTest::newRow("nine characters unchanged") << "201601051" << "201601051";
        QTest::newRow("already formatted unchanged") << "2016-01-05" << "2016-01-05";
        QTest::newRow("empty") << "" << "";
        // clang-format on
    }

    void formateDate()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Formatting::GetFormateDate(text), expected);
    }

    void fengeString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        // clang-format off
        QTest::newRow("zero") << "0" << "0.00";
        QTest::newRow("six characters, no separator") << "123.45" << "123.45";
        QTest::newRow("one separator") << "1234.5" << "1,234.50";
        QTest::newRow("two separators, rounded") << "1234567.891" << "1,234,567.89";
        QTest::newRow("negative thousands") << "-1234" << "-1,234.00";
        QTest::newRow("negative six digits") << "-123456" << "-123,456.00";
        QTest::newRow("negative three digits, no separator") << "-123.45" << "-123.45";
        QTest::newRow("not a number") << "abc" << "0.00";
        QTest::newRow("empty") << "" << "0.00";
        QTest::newRow("six digits") << "100000" << "100,000.00";
        QTest::newRow("seven digits") << "1000000" << "1,000,000.00";
        QTest::newRow("rounding adds a digit") << "999.999" << "1,000.00";
        QTest::newRow("fourteen digits") << "12345678901234" << "12,345,678,901,234.00";
        QTest::newRow("exponent") << "1e3" << "1,000.00";
        QTest::newRow("leading number of a text") << "  2500元" << "2,500.00";
        // printf rounds the binary value: 0.005 is stored a little above, 2.675 a little below.
        QTest::newRow("0.005") << "0.005" << "0.01";
        QTest::newRow("2.675") << "2.675" << "2.67";
        QTest::newRow("tiny negative keeps its sign") << "-0.001" << "-0.00";
        // clang-format on
    }

    void fengeString()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Formatting::stringTofengeString(text), expected);
    }

    void maskedMobile_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("masked");
        // clang-format off
        QTest::newRow("mobile")                  << "13812345678" << "138****5678";
        QTest::newRow("middle digits repeated")  << "13813813813" << "138****3813";
        QTest::newRow("short")                   << "13812" << "138**";
        QTest::newRow("three or fewer as is")    << "138" << "138";
        QTest::newRow("empty")                   << "" << "";
        // clang-format on
    }

    void maskedMobile()
    {
        QFETCH(QString, number);
        QFETCH(QString, masked);
        QCOMPARE(Formatting::maskedMobile(number), masked);
    }
};

QTEST_APPLESS_MAIN(TestCoreValidation)
#include "test_core_validation.moc"

#include "Formatting.h"
#include "TextValue.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <limits>

namespace {

// Switches LC_NUMERIC to a locale whose decimal point is a comma, as QCoreApplication
// does on a German desktop. Machines without such a locale get one compiled into a
// temporary folder with localedef. False when neither works.
bool switchToCommaLocale(QTemporaryDir &localeDir)
{
    const char *names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    for (const char *name : names) {
        if (std::setlocale(LC_NUMERIC, name))
            return true;
    }
    if (!localeDir.isValid())
        return false;
    QProcess localedef;
    localedef.start(QStringLiteral("localedef"),
                    {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                     QStringLiteral("UTF-8"), localeDir.filePath(QStringLiteral("de_DE.UTF-8"))});
    if (!localedef.waitForFinished(30000))
        return false;
    qputenv("LOCPATH", QFile::encodeName(localeDir.path()));
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

} // namespace

// Texts from the server and from forms are read by their leading number, the way the
// old client's intValue/doubleValue did; a reading that differs shows as a wrong amount
// or a wrong flag, so the edges matter.
class TestCoreText : public QObject
{
    Q_OBJECT

private slots:
    void integerValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected");

        constexpr qint64 max = std::numeric_limits<qint64>::max();
        constexpr qint64 min = std::numeric_limits<qint64>::min();

        // clang-format off
        QTest::newRow("digits then letter") << "4a" << qint64(4);
        QTest::newRow("letters only") << "abc" << qint64(0);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("spaces only") << "   " << qint64(0);
        QTest::newRow("space, minus, digits, letter") << " -12x" << qint64(-12);
        QTest::newRow("tab and newline before") << "\t\n 5" << qint64(5);
        QTest::newRow("plus sign") << "+7" << qint64(7);
        QTest::newRow("sign alone") << "-" << qint64(0);
        QTest::newRow("space after sign") << "- 5" << qint64(0);
        QTest::newRow("two signs") << "--5" << qint64(0);
        QTest::newRow("fraction cut off") << "12.9" << qint64(12);
        QTest::newRow("negative fraction cut off") << "-12.9" << qint64(-12);
        QTest::newRow("hex is not read") << "0x1A" << qint64(0);
        QTest::newRow("leading zeros") << "007" << qint64(7);
        QTest::newRow("full-width digits are not digits") << "１２" << qint64(0);
        QTest::newRow("exponent is not read") << "1e5" << qint64(1);
        QTest::newRow("largest") << "9223372036854775807" << max;
        QTest::newRow("largest plus one saturates") << "9223372036854775808" << max;
        QTest::newRow("far too large saturates") << "99999999999999999999999" << max;
        QTest::newRow("smallest") << "-9223372036854775808" << min;
        QTest::newRow("below smallest saturates") << "-9223372036854775809" << min;
        // clang-format on
    }

    void integerValue()
    {
        QFETCH(QString, text);
        QFETCH(qint64, expected);
        QCOMPARE(TextValue::integerValue(text), expected);
    }

    void intValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");

        constexpr int max = std::numeric_limits<int>::max();
        constexpr int min = std::numeric_limits<int>::min();

        // clang-format off
        QTest::newRow("flag with fraction") << "1.0" << 1;
        QTest::newRow("int max") << "2147483647" << max;
        QTest::newRow("int max plus one saturates") << "2147483648" << max;
        QTest::newRow("int min") << "-2147483648" << min;
        QTest::newRow("int min minus one saturates") << "-2147483649" << min;
        QTest::newRow("beyond 64 bits saturates") << "99999999999999999999999" << max;
        QTest::newRow("beyond 64 bits negative saturates") << "-99999999999999999999999" << min;
        // clang-format on
    }

    void intValue()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(TextValue::intValue(text), expected);
    }

    void doubleValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        // clang-format off
        QTest::newRow("integer") << "42" << 42.0;
        QTest::newRow("exponent then letter") << "1.5e3z" << 1500.0;
        QTest::newRow("upper-case negative exponent") << "2E-2" << 0.02;
        QTest::newRow("exponent with plus") << "3e+2" << 300.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("sign and point") << "-." << 0.0;
        QTest::newRow("point then digits") << ".5" << 0.5;
        QTest::newRow("negative point then digits") << "-.5" << -0.5;
        QTest::newRow("digits then point") << "1." << 1.0;
        QTest::newRow("dangling exponent") << "1e" << 1.0;
        QTest::newRow("dangling exponent sign") << "1e+" << 1.0;
        QTest::newRow("exponent without mantissa") << "e5" << 0.0;
        QTest::newRow("point then exponent") << ".e5" << 0.0;
        QTest::newRow("space, plus, letters after") << " +3.25abc" << 3.25;
        QTest::newRow("comma stops the number") << "1,5" << 1.0;
        QTest::newRow("second point stops the number") << "1.2.3" << 1.2;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("hex is not read") << "0x10" << 0.0;
        QTest::newRow("large amount") << "123456789012.34" << 123456789012.34;
        // Too large for a double: infinity like strtod, not zero.
        QTest::newRow("overflow") << "1e400" << qInf();
        QTest::newRow("negative overflow") << "-1e400" << -qInf();
        QTest::newRow("underflow") << "1e-400" << 0.0;
        // clang-format on
    }

    void doubleValue()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(TextValue::doubleValue(text), expected);
    }

    void format_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");

        // The C library rounds the exact binary value, ties to even: that is what the
        // screens showed, so it is what we show.
        // clang-format off
        QTest::newRow("%.f of 1.5") << TextValue::format("%.f", 1.5) << "2";
        QTest::newRow("%.f of 2.5") << TextValue::format("%.f", 2.5) << "2";
        QTest::newRow("%.f of 0.5") << TextValue::format("%.f", 0.5) << "0";
        QTest::newRow("%.f of -1.5") << TextValue::format("%.f", -1.5) << "-2";
        QTest::newRow("%0.f of 3.7") << TextValue::format("%0.f", 3.7) << "4";
        QTest::newRow("%.2f of 1.005") << TextValue::format("%.2f", 1.005) << "1.00";
        QTest::newRow("%.2f of 2.675") << TextValue::format("%.2f", 2.675) << "2.67";
        QTest::newRow("%.2f of 0.125") << TextValue::format("%.2f", 0.125) << "0.12";
        QTest::newRow("%.2f of 1234567.891") << TextValue::format("%.2f", 1234567.891) << "1234567.89";
        QTest::newRow("%.2f of tiny negative") << TextValue::format("%.2f", -0.001) << "-0.00";
        QTest::newRow("%.2f of 1e20") << TextValue::format("%.2f", 1e20) << "100000000000000000000.00";
        QTest::newRow("%5.1f pads") << TextValue::format("%5.1f", 3.14159) << "  3.1";
        QTest::newRow("%d") << TextValue::format("%d", 42) << "42";
        QTest::newRow("%ld") << TextValue::format("%ld", 1234567890123L) << "1234567890123";
        QTest::newRow("%d%%") << TextValue::format("%d%%", 5) << "5%";
        QTest::newRow("%s UTF-8") << TextValue::format("%s元", "澄岚") << "澄岚元";
        QTest::newRow("empty result") << TextValue::format("%s", "") << "";
        QTest::newRow("long result") << TextValue::format("%s|%d", QByteArray(300, 'x').constData(), 1) << QString(300, u'x') + "|1";
        // clang-format on
    }

    void format()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void formatIgnoresProcessLocale()
    {
        QTemporaryDir localeDir;
        if (!switchToCommaLocale(localeDir))
            QSKIP("no locale with a decimal comma is available");
        const auto restore = qScopeGuard([] { std::setlocale(LC_NUMERIC, "C"); });
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.1f", 1.5);
        QCOMPARE(QByteArray(probe), QByteArray("1,5")); // the locale really is in effect

        QCOMPARE(TextValue::format("%.2f", 1234.5), QStringLiteral("1234.50"));
        QCOMPARE(Formatting::stringTofengeString(QStringLiteral("1234567.891")),
                 QStringLiteral("1,234,567.89"));
        QCOMPARE(TextValue::doubleValue(QStringLiteral("1234.5")), 1234.5);
        // The rest of the program still sees the process locale.
        std::snprintf(probe, sizeof probe, "%.1f", 1.5);
        QCOMPARE(QByteArray(probe), QByteArray("1,5"));
    }
};

QTEST_APPLESS_MAIN(TestCoreText)
#include "test_core_text.moc"

// The account header's figure texts, without a screen.
#include "AccountTexts.h"

#include <QTest>

namespace {

QList<ReturnDetailsModel> incomes(const QStringList &values)
{
    QList<ReturnDetailsModel> records;
    for (const QString &value : values) {
        ReturnDetailsModel record;
        record.syhtljsy = value;
        records.append(record);
    }
    return records;
}

} // namespace

class TestAccountTexts final : public QObject
{
    Q_OBJECT

private slots:
    void figures()
    {
        QCOMPARE(AccountTexts::tenThousandsText(8200000), QString("820.00万元"));
        QCOMPARE(AccountTexts::tenThousandsText(123), QString("0.01万元"));
        QCOMPARE(AccountTexts::tenThousandsFigure(0), QString("0.00"));
    }

    void income_data()
    {
        QTest::addColumn<QStringList>("values"); // syhtljsy of each record, in server order
        QTest::addColumn<QString>("text");       // "-" when the label keeps its text
        // clang-format off
        QTest::newRow("no records")                 << QStringList() << "0.00元";
        QTest::newRow("above 10000 in ten-thousands") << QStringList{"12345.6"} << "1.23万元";
        QTest::newRow("9999 as received")           << QStringList{"9999"} << "9999元";
        QTest::newRow("exactly 10000 as received")  << QStringList{"10000"} << "10000元";
        QTest::newRow("first non-empty value")      << QStringList{"", "20000", "5"} << "2.00万元";
        QTest::newRow("every value empty")          << QStringList{"", ""} << "-";
        QTest::newRow("not a number as received")   << QStringList{"待定"} << "待定元";
        // clang-format on
    }

    void income()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, text);
        QCOMPARE(AccountTexts::incomeText(incomes(values)).value_or("-"), text);
    }

    void unreadBadge_data()
    {
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QString>("badge"); // "-" hides it
        // clang-format off
        QTest::newRow("unread messages") << QStringList{"7"} << "7";
        QTest::newRow("none unread")     << QStringList{"0"} << "-";
        QTest::newRow("no record")       << QStringList() << "-";
        QTest::newRow("empty count")     << QStringList{""} << "-";
        QTest::newRow("first record decides") << QStringList{"0", "3"} << "-";
        // clang-format on
    }

    void unreadBadge()
    {
        QFETCH(QStringList, counts);
        QFETCH(QString, badge);
        QList<MessageNumModel> records;
        for (const QString &count : counts)
            records.append(MessageNumModel{count});
        QCOMPARE(AccountTexts::unreadBadge(records).value_or("-"), badge);
    }
};

QTEST_APPLESS_MAIN(TestAccountTexts)
#include "test_account_texts.moc"

// The holdings' rules without a window: the date filter of the four lists, the income
// detail's yield and progress, and the texts of contracts, incomes, trades and bookings.
#include "BookingRecords.h"
#include "DateFilter.h"
#include "HoldingsDateFilters.h"
#include "HoldingsTexts.h"
#include "IncomeDetail.h"
#include "TradeEventTexts.h"

#include <QTest>

using TextOf = QString (*)(const QString &);
Q_DECLARE_METATYPE(TextOf)
Q_DECLARE_METATYPE(DateFilter::Preset)

namespace {

const QDate kToday(2026, 12, 5);

// Entries of a list that filters on one date, in list order.
QList<DateFilterEntry> onDates(const QStringList &dates)
{
    QList<DateFilterEntry> entries;
    for (const QString &date : dates)
        entries.append({date, date, date});
    return entries;
}

// A contract; a null `tsjysj` stands for a record without that key.
UserMoneyModel contract(const QString &fpje, const QString &htje, const char *tsjysj)
{
    UserMoneyModel c;
    c.fpje = fpje;
    c.htje = htje;
    if (tsjysj)
        c.setTsjysj(QString::fromUtf8(tsjysj)); // as the mapper writes a key it finds
    c.syqksrq = QStringLiteral("20250101");
    c.nhsyl = QStringLiteral("6.8");
    return c;
}

CustomerIncomeModel income(const QString &fhfs, const QString &fprq, const QString &fpje,
                           const QString &ksrq = QStringLiteral("20250101"))
{
    CustomerIncomeModel i;
    i.fhfs = fhfs;
    i.fprq = fprq;
    i.fpje = fpje;
    i.ksrq = ksrq;
    return i;
}

} // namespace

class TestHoldingsLogic final : public QObject
{
    Q_OBJECT

private slots:
    // The presets reach back from today; both ends of the range are included.
    void presetsKeepBothEnds_data()
    {
        QTest::addColumn<DateFilter::Preset>("preset");
        QTest::addColumn<QString>("minLabel");
        QTest::addColumn<QList<int>>("shown");
        using P = DateFilter::Preset;
        // clang-format off
        QTest::newRow("five years, ends included") << P::FiveYears << "2021-12-05" << QList<int>{1, 2, 3};
        QTest::newRow("three years")               << P::ThreeYears << "2023-12-05" << QList<int>{2, 3};
        QTest::newRow("one year")                  << P::OneYear << "2025-12-05" << QList<int>{3};
        // clang-format on
    }

    void presetsKeepBothEnds()
    {
        QFETCH(DateFilter::Preset, preset);
        QFETCH(QString, minLabel);
        QFETCH(QList<int>, shown);
        DateFilter filter(HoldingsDateFilters::tradeRule());
        filter.start(onDates({"20211204", "20211205", "20240101", "20261205", "20261206"}), kToday);
        QVERIFY(!filter.choosePreset(preset, kToday));
        QCOMPARE(filter.preset(), preset);
        QCOMPARE(filter.minLabel(), minLabel);
        QCOMPARE(filter.maxLabel(), QString("2026-12-05"));
        QCOMPARE(filter.shown(), shown);
        QCOMPARE(filter.count(), 2);
    }

    // The first range: the earliest date before today (records without one pass over it).
    void startShowsAllAndSeedsTheRange_data()
    {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QString>("minLabel");
        // clang-format off
        QTest::newRow("earliest before today")  << QStringList{"20240320", "", "20190525"} << "2019-05-25";
        QTest::newRow("only later dates")       << QStringList{"20261205", "20270101"} << "2026-12-05";
        QTest::newRow("no records")             << QStringList{} << "2026-12-05";
        QTest::newRow("short date as it is")    << QStringList{"2021"} << "2021";
        // clang-format on
    }

    void startShowsAllAndSeedsTheRange()
    {
        QFETCH(QStringList, dates);
        QFETCH(QString, minLabel);
        DateFilter filter(HoldingsDateFilters::tradeRule());
        filter.start(onDates(dates), kToday);
        QCOMPARE(filter.count(), 1);
        QCOMPARE(filter.shown().size(), dates.size());
        QCOMPARE(filter.minLabel(), minLabel);
        QCOMPARE(filter.maxLabel(), QString("2026-12-05"));
    }

    // The income list keeps a distribution after the start whose contract began before the
    // end, even when the distribution itself lies after the end.
    void incomeListComparesDistributionAndStart()
    {
        ReturnDetailsModel late, early, later;
        late.fprq = "20260301", late.ksrq = "20250101";   // distributed after the end
        early.fprq = "20240101", early.ksrq = "20230101"; // distributed before the start
        later.fprq = "20260301", later.ksrq = "20260201"; // contract began after the end
        DateFilter filter(HoldingsDateFilters::profitRule());
        filter.start(HoldingsDateFilters::profitEntries({late, early, later}), kToday);
        filter.pickStart(QDate(2025, 1, 1));
        filter.pickEnd(QDate(2026, 1, 1));
        QVERIFY(!filter.confirm());
        QCOMPARE(filter.shown(), QList<int>{0});
        filter.pickStart(QDate(2026, 6, 1));
        QVERIFY(filter.confirm()); // nothing left: the toast's turn
        QCOMPARE(filter.rule().emptyToast, QString("您没有相关时间段的收益记录！"));
    }

    // While a picker is open the list is empty; closing it brings the rows back unchanged.
    // The bought list's end picker starts where the start was picked; the others are open.
    void pickersEmptyTheListAndKeepTheirBounds()
    {
        UserMoneyModel a, b;
        a.ksrq = "20190520", a.syqksrq = "20190525";
        b.ksrq = "20231201", b.syqksrq = "20240320";
        DateFilter bought(HoldingsDateFilters::boughtRule());
        bought.start(HoldingsDateFilters::boughtEntries({a, b}), kToday);
        const DateFilter::PickerBounds start = bought.openStartPicker(kToday);
        QCOMPARE(start.minimum, QDate(2019, 1, 1));
        QCOMPARE(start.maximum, kToday);
        QCOMPARE(bought.count(), 0);
        QVERIFY(bought.shown().isEmpty());
        bought.pickStart(QDate(2024, 1, 1));
        bought.closePicker();
        QCOMPARE(bought.count(), 1);
        QCOMPARE(bought.shown(), (QList<int>{0, 1}));
        QCOMPARE(bought.minLabel(), QString("2024-01-01"));

        const DateFilter::PickerBounds end = bought.openEndPicker(kToday);
        QCOMPARE(end.minimum, QDate(2024, 1, 1));
        QCOMPARE(end.maximum, kToday);
        QCOMPARE(bought.maxLabel(), QString("2026-12-05")); // the picker's first date, at once
        QVERIFY(!bought.confirm());
        QVERIFY(!bought.isPickerOpen());
        QCOMPARE(bought.count(), 2);
        QCOMPARE(bought.shown(), QList<int>{1}); // on the right's start, not the contract's

        DateFilter trades(HoldingsDateFilters::tradeRule());
        trades.start(HoldingsDateFilters::tradeEntries({a, b}), kToday);
        const DateFilter::PickerBounds open = trades.openEndPicker(kToday);
        QVERIFY(!open.minimum.isValid() && !open.maximum.isValid());
        DateFilter none(HoldingsDateFilters::specialRule());
        none.start({}, kToday);
        QVERIFY(!none.openStartPicker(kToday).minimum.isValid()); // nothing to bound it by
    }

    void labelToDate()
    {
        QCOMPARE(DateFilter::labelToDate("2026-12-05"), QString("20261205"));
        QCOMPARE(DateFilter::labelToDate(""), QString());
    }

    // The annualised yield in its three branches, and the divisions the data leaves open.
    void yield_data()
    {
        QTest::addColumn<UserMoneyModel>("contract");
        QTest::addColumn<QList<CustomerIncomeModel>>("records");
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<QString>("yield");
        const QList<CustomerIncomeModel> year{income("1", "20260601", "5000"),
                                              income("1", "20260101", "5000"),
                                              income("0", "20250101", "2000")};
        const QList<CustomerIncomeModel> noDividend{income("0", "20250101", "2000")};
        UserMoneyModel noYield = contract("12000", "200000", "");
        noYield.nhsyl.clear();
        UserMoneyModel sameDay = contract("12000", "200000", "20250101");
        // clang-format off
        QTest::newRow("no special trade, a year")      << contract("12000", "200000", "") << year << false << "5.0％";
        QTest::newRow("no dividend: yield as received") << contract("12000", "200000", "") << noDividend << false << "6.8";
        QTest::newRow("no dividend, no yield")         << noYield << noDividend << false << "--";
        QTest::newRow("no contract amount")            << contract("12000", "0", "") << year << false << "--";
        QTest::newRow("special trade after a year")    << contract("12000", "200000", "20260101") << year << false << "6.0％";
        QTest::newRow("absent key: special branch")    << contract("12000", "200000", nullptr) << year << false << "-0.1％";
        QTest::newRow("special trade on the start")    << sameDay << year << false << "--";
        QTest::newRow("transferee, a year to the first dividend") << contract("12000", "200000", "20250101") << year << true << "6.0％";
        QTest::newRow("transferee, dividend same day") << contract("12000", "200000", "20260101") << year << true << "--";
        // clang-format on
    }

    void yield()
    {
        QFETCH(UserMoneyModel, contract);
        QFETCH(QList<CustomerIncomeModel>, records);
        QFETCH(bool, receiver);
        QFETCH(QString, yield);
        QCOMPARE(IncomeDetail::yieldText(contract, records, receiver), yield);
    }

    // The term's progress, its colour and which of the two income labels shows.
    void progress_data()
    {
        QTest::addColumn<QString>("htyclts");
        QTest::addColumn<QString>("jlhtdqts");
        QTest::addColumn<QString>("fhfs");
        QTest::addColumn<double>("progress");
        QTest::addColumn<bool>("grey");
        QTest::addColumn<bool>("showsA");
        QTest::addColumn<QString>("jljs");
        // clang-format off
        QTest::newRow("a quarter run: blue, label B")   << "100" << "300" << "1" << 0.25 << false << false << "300";
        QTest::newRow("ended: grey, label A")           << "400" << "0" << "1" << 1.0 << true << true << "0";
        QTest::newRow("principal back: full and grey")  << "100" << "300" << "2" << 1.0 << true << true << "0";
        QTest::newRow("no days at all: empty bar")      << "0" << "0" << "1" << 0.0 << true << true << "0";
        QTest::newRow("days unknown: empty bar")        << "" << "" << "0" << 0.0 << true << true << "";
        // clang-format on
    }

    void progress()
    {
        QFETCH(QString, htyclts);
        QFETCH(QString, jlhtdqts);
        QFETCH(QString, fhfs);
        QFETCH(double, progress);
        QFETCH(bool, grey);
        QFETCH(bool, showsA);
        QFETCH(QString, jljs);
        UserMoneyModel c = contract("12000.5", "200000", "");
        c.htyclts = htyclts;
        c.jlhtdqts = jlhtdqts;
        const IncomeDetail::Header h =
            IncomeDetail::header(c, {income(fhfs, "20260101", "1000")}, false);
        QCOMPARE(h.progress, progress);
        QCOMPARE(h.grey, grey);
        QCOMPARE(h.showsA, showsA);
        QCOMPARE(h.jljs, jljs);
        QCOMPARE(h.labelA, QString("已获得收益：12000.5元"));
        QCOMPARE(h.labelB, QString("已获得收益12000.50元"));
    }

    void headerLabels()
    {
        UserMoneyModel c = contract("12000", "1500000", "");
        c.dividendmethodname = "按月分配";
        c.syqjsrq = "20260101";
        c.jlhtdqts = "100";
        QList<CustomerIncomeModel> records{income("1", "20250601", "1000"),
                                           income("1", "20250301", "1000")};
        records[0].syfpzh = "6222 0210";
        const IncomeDetail::Header h = IncomeDetail::header(c, records, false);
        QCOMPARE(h.cybj, QString("150万元"));
        QCOMPARE(h.ljsy, QString("12000.00元"));
        QCOMPARE(h.qxrq, QString("2025-01-01"));
        QCOMPARE(h.jsrq, QString("2026-01-01"));
        QCOMPARE(h.ycl, QString("265")); // 365 days of term less the 100 to go
        QCOMPARE(h.syfpzh, std::optional<QString>("6222 0210"));
        QCOMPARE(IncomeDetail::header(c, {}, false).syfpzh, std::nullopt);
    }

    void receivedByTransfer_data()
    {
        QTest::addColumn<QString>("jylx");
        QTest::addColumn<QString>("sxrq");
        QTest::addColumn<QString>("zjhm");
        QTest::addColumn<bool>("received");
        // clang-format off
        QTest::newRow("transfer to the customer")    << "转让" << "20250312" << "310104198803162418" << true;
        QTest::newRow("another day's transfer")      << "转让" << "20250313" << "310104198803162418" << false;
        QTest::newRow("to someone else")             << "转让" << "20250312" << "320102197912120417" << false;
        QTest::newRow("no document number")          << "转让" << "20250312" << "" << false;
        QTest::newRow("a redemption")                << "赎回" << "20250312" << "310104198803162418" << false;
        // clang-format on
    }

    void receivedByTransfer()
    {
        QFETCH(QString, jylx);
        QFETCH(QString, sxrq);
        QFETCH(QString, zjhm);
        QFETCH(bool, received);
        SpecialTradeModel trade;
        trade.jylx = jylx;
        trade.sxrq = sxrq;
        trade.targetinvestcertno = "310104198803162418";
        QCOMPARE(IncomeDetail::receivedByTransfer(contract("0", "0", "20250312"), {trade}, zjhm),
                 received);
    }

    // One row per edge of each field's text: units, rounding, unknown, empty and padded codes.
    void fieldTexts_data()
    {
        QTest::addColumn<TextOf>("textOf");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        using namespace HoldingsTexts;
        using namespace TradeEventTexts;
        const auto rounded = static_cast<QString (*)(const QString &)>(roundedTenThousands);
        // clang-format off
        QTest::newRow("bought date split")             << TextOf(boughtDate) << "20210318" << "成立日期：2021-03-18";
        QTest::newRow("bought date short as is")       << TextOf(boughtDate) << "2021" << "成立日期：2021";
        QTest::newRow("bought date missing")           << TextOf(boughtDate) << "" << "成立日期：";
        QTest::newRow("amount truncates 123456")       << TextOf(truncatedTenThousands) << "123456" << "12万元";
        QTest::newRow("amount truncates 9999")         << TextOf(truncatedTenThousands) << "9999" << "0万元";
        QTest::newRow("amount 1500000")                << TextOf(truncatedTenThousands) << "1500000" << "150万元";
        QTest::newRow("amount not a number")           << TextOf(truncatedTenThousands) << "abc" << "0万元";
        QTest::newRow("rounded 15000 to even")         << TextOf(rounded) << "15000" << "2万元";
        QTest::newRow("rounded missing")               << TextOf(rounded) << "" << "0万元";
        QTest::newRow("trade amount")                  << TextOf(tradeAmount) << "2000000.00" << "金额：200万元";
        QTest::newRow("profit date")                   << TextOf(profitDate) << "20260915" << "合同分配日期 2026-09-15";
        QTest::newRow("kind principal back")           << TextOf(profitKind) << "2" << "返本：";
        QTest::newRow("kind dividend")                 << TextOf(profitKind) << "1" << "分红：";
        QTest::newRow("kind padded is selling period") << TextOf(profitKind) << " 1" << "售期收益：";
        QTest::newRow("income kind other")             << TextOf(incomeKind) << "0" << "售期收益";
        QTest::newRow("profit amount separated")       << TextOf(profitAmount) << "1234567.5" << "+1,234,567.50元";
        QTest::newRow("income amount")                 << TextOf(incomeAmount) << "8250" << "+8250.00";
        QTest::newRow("special amount in shares")      << TextOf(specialAmount) << "5000" << "金额：5000份";
        QTest::newRow("special amount 9999 in shares") << TextOf(specialAmount) << "9999" << "金额：9999份";
        QTest::newRow("special amount in 万元")         << TextOf(specialAmount) << "150000" << "金额：15万元";
        QTest::newRow("special date")                  << TextOf(specialDate) << "20220630" << "生效日期：2022-06-30";
        QTest::newRow("image transfer")                << TextOf(specialImage) << "转让" << "transfer";
        QTest::newRow("image redemption")              << TextOf(specialImage) << "赎回" << "getback";
        QTest::newRow("image other")                   << TextOf(specialImage) << "分红" << "";
        QTest::newRow("document known")                << TextOf(documentType) << "W" << "台湾居民往来内地通行证";
        QTest::newRow("document unknown")              << TextOf(documentType) << "0" << "";
        QTest::newRow("document padded")               << TextOf(documentType) << " N" << "";
        QTest::newRow("document mobile is no document") << TextOf(documentType) << "SJ" << "";
        QTest::newRow("customer person")               << TextOf(customerType) << "1" << "个人";
        QTest::newRow("customer institution")          << TextOf(customerType) << "0" << "机构";
        QTest::newRow("customer unknown")              << TextOf(customerType) << "2" << "";
        QTest::newRow("income to the transferor")      << TextOf(incomeAttribution) << "00" << "转出方";
        QTest::newRow("income to the transferee")      << TextOf(incomeAttribution) << "01" << "受让方";
        QTest::newRow("income attribution missing")    << TextOf(incomeAttribution) << "" << "--";
        // clang-format on
    }

    void fieldTexts()
    {
        QFETCH(TextOf, textOf);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QCOMPARE(textOf(value), text);
    }

    void detailSections()
    {
        UserMoneyModel c;
        c.cpqc = "澄岚·汇通7号集合资金信托计划";
        c.cpdm = "CL007";
        SpecialTradeModel t;
        t.cpdm = "ZQ003";
        t.je = "300";
        t.sxrq = "20250312";
        const auto transfer = TradeEventTexts::transferSections(c, t);
        QStringList titles;
        for (const auto &section : transfer)
            titles.append(section.title);
        QCOMPARE(titles, (QStringList{"产品名称", "出让人信息", "转让信息", "受让人信息"}));
        QCOMPARE(transfer.at(2).rows.at(0), HoldingsTexts::Row("计划编号", "CL007"));
        QCOMPARE(transfer.at(2).rows.at(4), HoldingsTexts::Row("转让协议生效日", "2025-03-12"));
        QCOMPARE(transfer.at(2).rows.at(8), HoldingsTexts::Row("转让当日收益归属", "--"));
        const auto redemption = TradeEventTexts::redemptionSections(c, t);
        QCOMPARE(redemption.size(), 2);
        QCOMPARE(redemption.at(1).rows.at(4), HoldingsTexts::Row("计划编号", "ZQ003"));
        QCOMPARE(redemption.at(1).rows.last(), HoldingsTexts::Row("赎回份额", "300份"));
    }

    void bookingStates_data()
    {
        QTest::addColumn<QString>("yyzt");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("deletable");
        // clang-format off
        QTest::newRow("failed")            << "1" << "预约失败" << false;
        QTest::newRow("being processed")   << "2" << "受理中" << true;
        QTest::newRow("succeeded")         << "3" << "预约成功" << false;
        QTest::newRow("padded number")     << " 2" << "受理中" << true;
        QTest::newRow("unknown state")     << "4" << "" << false;
        QTest::newRow("no state")          << "" << "" << false;
        // clang-format on
    }

    void bookingStates()
    {
        QFETCH(QString, yyzt);
        QFETCH(QString, text);
        QFETCH(bool, deletable);
        const BookingRecords::RowState state = BookingRecords::rowState(yyzt);
        QCOMPARE(state.statusText, text);
        QCOMPARE(state.deletable, deletable);
    }

    // Deleting sends the booking back with the current customer; a failed booking's state
    // goes as "2", any other as "1".
    void deleteParams()
    {
        modelForAppointedProd b;
        b.id = "7", b.khbh = "999999", b.cpdm = "CL002", b.yyje = "1000000";
        b.yydh = "13812345678", b.yysj = "2026-12-04 10:15:22", b.yyzt = "2";
        b.back_content = "", b.system_type = "3";
        const QJsonObject sent = BookingRecords::deleteParams("100001", b);
        QCOMPARE(sent, (QJsonObject{{"action", "D"},
                                    {"khbh", "100001"},
                                    {"cpdm", "CL002"},
                                    {"yyje", "1000000"},
                                    {"yydh", "13812345678"},
                                    {"yysj", "2026-12-04 10:15:22"},
                                    {"yyzt", "1"},
                                    {"id", "7"},
                                    {"back_content", ""},
                                    {"system_type", "3"}}));
        b.yyzt = "1";
        QCOMPARE(BookingRecords::deleteParams("100001", b).value("yyzt"), QJsonValue("2"));
    }
};

QTEST_APPLESS_MAIN(TestHoldingsLogic)
#include "test_holdings_logic.moc"

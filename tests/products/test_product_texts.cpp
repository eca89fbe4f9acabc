// What the product and securities-trust screens show for a product's fields, and the
// booking button and form rules, without any screen.
#include "AppConfig.h"
#include "Booking.h"
#include "ProductTexts.h"

#include <QTest>

Q_DECLARE_METATYPE(Booking::Enquiry)
Q_DECLARE_METATYPE(Booking::Check::Result)

using TextOf = QString (*)(const QString &);
Q_DECLARE_METATYPE(TextOf)

class TestProductTexts final : public QObject
{
    Q_OBJECT

private slots:
    // One row per edge of each field's text: the rounding, the units, and what an unknown,
    // empty or padded value shows.
    void fieldTexts_data()
    {
        QTest::addColumn<TextOf>("textOf");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        using namespace ProductTexts;
        // clang-format off
        QTest::newRow("badge on sale")                  << TextOf(saleBadgeImage) << "1" << "rexiao";
        QTest::newRow("badge open for booking")         << TextOf(saleBadgeImage) << "2" << "yuyue";
        QTest::newRow("badge any other state")          << TextOf(saleBadgeImage) << "4" << "shouwan";
        QTest::newRow("badge padded")                   << TextOf(saleBadgeImage) << " 1" << "shouwan";
        QTest::newRow("yield full-width sign")          << TextOf(yieldText) << "6.8" << "6.8％";
        QTest::newRow("yield missing")                  << TextOf(yieldText) << "" << "％";
        QTest::newRow("list amount truncates 9999")     << TextOf(listStartAmount) << "9999" << "0万元";
        QTest::newRow("list amount truncates 19999")    << TextOf(listStartAmount) << "19999" << "1万元";
        QTest::newRow("list amount decimal")            << TextOf(listStartAmount) << "50000.9" << "5万元";
        QTest::newRow("list amount not a number")       << TextOf(listStartAmount) << "abc" << "0万元";
        QTest::newRow("trust amount below 10000 in 元") << TextOf(trustListStartAmount) << "9999" << "9999元";
        QTest::newRow("trust amount 15000 rounds up")   << TextOf(trustListStartAmount) << "15000" << "2万元";
        QTest::newRow("trust amount 25000 to even")     << TextOf(trustListStartAmount) << "25000" << "2万元";
        QTest::newRow("trust amount 35000 to even")     << TextOf(trustListStartAmount) << "35000" << "4万元";
        QTest::newRow("trust amount missing")           << TextOf(trustListStartAmount) << "" << "0元";
        QTest::newRow("detail amount 100")              << TextOf(detailStartAmount) << "100" << "100元";
        QTest::newRow("detail amount 15000 truncates")  << TextOf(detailStartAmount) << "15000" << "1万元";
        QTest::newRow("detail amount missing")          << TextOf(detailStartAmount) << "" << "";
        QTest::newRow("issue size 300 million")         << TextOf(issueSize) << "300000000" << "30000万元";
        QTest::newRow("issue size 9999")                << TextOf(issueSize) << "9999" << "0万元";
        QTest::newRow("issue size missing")             << TextOf(issueSize) << "" << "";
        QTest::newRow("trust size with a remainder")    << TextOf(trustIssueSize) << "12345" << "1.2345万元";
        QTest::newRow("trust size keeps four decimals") << TextOf(trustIssueSize) << "15000" << "1.5000万元";
        QTest::newRow("trust size below 10000 in 元")   << TextOf(trustIssueSize) << "9999.9" << "9999元";
        QTest::newRow("trust size missing")             << TextOf(trustIssueSize) << "" << "0元";
        QTest::newRow("trust start drops remainder")    << TextOf(trustStartAmount) << "15000" << "1万元";
        QTest::newRow("trust start below 10000 in 元")  << TextOf(trustStartAmount) << "9999.5" << "9999元";
        QTest::newRow("trust start missing")            << TextOf(trustStartAmount) << "" << "0元";
        QTest::newRow("fund use known")                 << TextOf(fundUse) << "2" << "固定收益类";
        QTest::newRow("fund use unknown")               << TextOf(fundUse) << "5" << "";
        QTest::newRow("fund use padded")                << TextOf(fundUse) << " 2" << "";
        QTest::newRow("risk control known")             << TextOf(riskControl) << "6" << "其他";
        QTest::newRow("risk control unknown")           << TextOf(riskControl) << "7" << "";
        QTest::newRow("risk control missing")           << TextOf(riskControl) << "" << "";
        QTest::newRow("distribution known")             << TextOf(distributionMethod) << "3" << "按季度分配";
        QTest::newRow("distribution unknown as itself") << TextOf(distributionMethod) << "9" << "9";
        QTest::newRow("distribution missing")           << TextOf(distributionMethod) << "" << "";
        // clang-format on
    }

    void fieldTexts()
    {
        QFETCH(TextOf, textOf);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QCOMPARE(textOf(value), text);
    }

    void detailRowsKeepEveryCaption()
    {
        modelForProd p;
        p.w_yydj = "登记";
        p.w_jk = "缴款说明";
        p.w_qsxtht = "签约";
        const auto rows = ProductTexts::detailRows(p);
        QCOMPARE(rows.size(), 15); // every caption keeps its row, even when empty
        QCOMPARE(rows.at(0).first, QString("产品名称"));
        QCOMPARE(rows.at(14).first, QString("委托人简介"));
        QCOMPARE(rows.at(13).second,
                 QString("1.预约登记\n登记\n\n2.缴款\n缴款说明\n\n3.签署信托合同\n签约"));
        QVERIFY(rows.at(1).second.isEmpty()); // no issue size, no "万元"
    }

    // One row per kind of product state; every state the customer's enquiry can be in.
    void buttonLook_data()
    {
        QTest::addColumn<QString>("w_xszt");
        QTest::addColumn<QString>("w_zt");
        QTest::addColumn<Booking::Enquiry>("state");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("blue");
        QTest::addColumn<bool>("fullWidth");
        QTest::addColumn<bool>("telephone");
        using E = Booking::Enquiry;
        // clang-format off
        QTest::newRow("on sale, unknown")              << "1" << "0" << E::Unknown << "立即预约" << true << true << false << true;
        QTest::newRow("open for booking, no booking")  << "2" << "1" << E::NoOpenBooking << "立即预约" << true << true << false << true;
        QTest::newRow("on sale, processing")           << "1" << "1" << E::Processing << "预约处理中" << false << false << true << false;
        QTest::newRow("on sale, enquiry failed")       << "2" << "0" << E::Failed << "立即预约" << false << true << false << true;
        QTest::newRow("sold out beats processing")     << "3" << "1" << E::Processing << "售完" << false << false << true << false;
        QTest::newRow("sold out beats terminated")     << "3" << "2" << E::Unknown << "售完" << false << false << true << false;
        QTest::newRow("on sale, plan terminated")      << "1" << "2" << E::NoOpenBooking << "计划终止" << false << false << true << false;
        QTest::newRow("booking, plan failed")          << "2" << "3" << E::Failed << "计划失败" << false << false << true << false;
        QTest::newRow("state 4, plan terminated")      << "4" << "2" << E::Unknown << "计划终止" << false << false << true << false;
        QTest::newRow("state 4, title kept")           << "4" << "1" << E::Processing << "旧标题" << false << false << false << false;
        QTest::newRow("nothing known, title kept")     << "" << "" << E::NoOpenBooking << "旧标题" << false << false << false << false;
        // clang-format on
    }

    void buttonLook()
    {
        QFETCH(QString, w_xszt);
        QFETCH(QString, w_zt);
        QFETCH(Booking::Enquiry, state);
        QFETCH(QString, title);
        QFETCH(bool, enabled);
        QFETCH(bool, blue);
        QFETCH(bool, fullWidth);
        QFETCH(bool, telephone);
        const Booking::ButtonLook look =
            Booking::buttonLook(w_xszt, w_zt, state, QStringLiteral("旧标题"));
        QCOMPARE(look.title, title);
        QCOMPARE(look.enabled, enabled);
        QCOMPARE(look.blue, blue);
        QCOMPARE(look.fullWidth, fullWidth);
        QCOMPARE(look.telephoneVisible, telephone);
    }

    // The securities-trust detail books only while on sale: one open for booking is running.
    void trustButtonLook_data()
    {
        QTest::addColumn<QString>("w_xszt");
        QTest::addColumn<QString>("w_zt");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<bool>("fullWidth");
        // clang-format off
        QTest::newRow("on sale")                       << "1" << "0" << "立即预约" << true << false;
        QTest::newRow("open for booking is running")   << "2" << "1" << "存续中" << false << true;
        QTest::newRow("running beats a failed plan")   << "2" << "3" << "存续中" << false << true;
        QTest::newRow("sold out beats terminated")     << "3" << "2" << "售完" << false << true;
        QTest::newRow("plan failed")                   << "1" << "3" << "计划失败" << false << true;
        QTest::newRow("other state keeps the title")   << "4" << "1" << "旧标题" << false << false;
        // clang-format on
    }

    void trustButtonLook()
    {
        QFETCH(QString, w_xszt);
        QFETCH(QString, w_zt);
        QFETCH(QString, title);
        QFETCH(bool, usable);
        QFETCH(bool, fullWidth);
        const Booking::ButtonLook look =
            Booking::trustButtonLook(w_xszt, w_zt, QStringLiteral("旧标题"));
        QCOMPARE(look.title, title);
        QCOMPARE(look.enabled, usable);
        QCOMPARE(look.blue, usable);
        QCOMPARE(look.fullWidth, fullWidth);
        QCOMPARE(look.telephoneVisible, usable); // not bookable: no telephone booking either
    }

    void telephoneBookingTitle()
    {
        QCOMPARE(Booking::telephoneBookingTitle(),
                 QStringLiteral("立即拨打%1预约产品").arg(AppConfig::hotlineDisplay()));
    }

    void checkForm_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("w_qdje");
        QTest::addColumn<bool>("checkStart");
        QTest::addColumn<Booking::Check::Result>("result");
        QTest::addColumn<QString>("message");
        QTest::addColumn<qint64>("yyje");
        using R = Booking::Check::Result;
        const QString phone = QStringLiteral("13812345678");
        // clang-format off
        QTest::newRow("empty amount first")           << "" << "" << "50000" << true << R::Alert << "您还没有输入金额" << qint64(0);
        QTest::newRow("no digit")                     << "abc" << phone << "50000" << true << R::Alert << "请在金额栏输入数字内容" << qint64(0);
        QTest::newRow("no digit before the phone")    << "万" << "1" << "50000" << true << R::Alert << "请在金额栏输入数字内容" << qint64(0);
        QTest::newRow("below the start, phone later") << "4" << "123" << "50000" << true << R::Toast << "您的预约金额小于认购起点(5万元)" << qint64(0);
        QTest::newRow("start in whole ten-thousands") << "1" << phone << "15000" << true << R::Toast << "您的预约金额小于认购起点(1万元)" << qint64(0);
        QTest::newRow("start below ten thousand")     << "0.5" << phone << "9999" << true << R::Toast << "您的预约金额小于认购起点(0万元)" << qint64(0);
        QTest::newRow("bad phone")                    << "5" << "12345" << "50000" << true << R::Alert << "请填写正确的手机号码" << qint64(0);
        QTest::newRow("twelve-digit phone")           << "5" << "138123456789" << "50000" << true << R::Alert << "请填写正确的手机号码" << qint64(0);
        QTest::newRow("exactly the start")            << "5" << phone << "50000" << true << R::Ok << "" << qint64(50000);
        QTest::newRow("just over 9999")               << "1" << phone << "9999" << true << R::Ok << "" << qint64(10000);
        QTest::newRow("whole ten-thousands sent")     << "1.5" << phone << "10000" << true << R::Ok << "" << qint64(10000);
        QTest::newRow("leading number")               << "5万" << phone << "50000" << true << R::Ok << "" << qint64(50000);
        QTest::newRow("no starting amount")           << "4" << phone << "" << true << R::Ok << "" << qint64(40000);
        QTest::newRow("start not enforced")           << "1" << phone << "50000" << false << R::Ok << "" << qint64(10000);
        QTest::newRow("largest amount in yuan")       << "922337203685477" << phone << "50000" << true << R::Ok << "" << qint64(9223372036854770000);
        QTest::newRow("sixteen digits")               << "1234567890123456" << phone << "50000" << true << R::Alert << "请输入正确的金额" << qint64(0);
        QTest::newRow("twenty digits")                << "12345678901234567890" << phone << "50000" << true << R::Alert << "请输入正确的金额" << qint64(0);
        QTest::newRow("four hundred digits")          << QString(400, u'9') << phone << "50000" << false << R::Alert << "请输入正确的金额" << qint64(0);
        QTest::newRow("twenty negative digits")       << "-12345678901234567890" << phone << "" << false << R::Alert << "请输入正确的金额" << qint64(0);
        QTest::newRow("int max")                      << "2147483647" << phone << "50000" << true << R::Ok << "" << qint64(21474836470000);
        QTest::newRow("int min below the start")      << "-2147483648" << phone << "50000" << true << R::Toast << "您的预约金额小于认购起点(5万元)" << qint64(0);
        QTest::newRow("start of four hundred digits") << "5" << phone << QString(400, u'9') << true << R::Toast << "您的预约金额小于认购起点(214748万元)" << qint64(0);
        QTest::newRow("start at int min")             << "5" << phone << "-2147483648" << true << R::Ok << "" << qint64(50000);
        // clang-format on
    }

    void checkForm()
    {
        QFETCH(QString, amount);
        QFETCH(QString, phone);
        QFETCH(QString, w_qdje);
        QFETCH(bool, checkStart);
        QFETCH(Booking::Check::Result, result);
        QFETCH(QString, message);
        QFETCH(qint64, yyje);
        const Booking::Check check = Booking::checkForm(amount, phone, w_qdje, checkStart);
        QCOMPARE(check.result, result);
        QCOMPARE(check.message, message);
        QCOMPARE(check.yyje, yyje);
    }

    void addParamsOfABooking()
    {
        const QJsonObject params = Booking::addParams("100001", "CL001", "1000000", "13812345678");
        QCOMPARE(params, (QJsonObject{{"action", "A"},
                                      {"khbh", "100001"},
                                      {"cpdm", "CL001"},
                                      {"yyje", "1000000"},
                                      {"yydh", "13812345678"},
                                      {"yyzt", "2"},
                                      {"system_type", "3"},
                                      {"back_content", ""},
                                      {"yysj", ""},
                                      {"id", ""}}));
    }
};

QTEST_APPLESS_MAIN(TestProductTexts)
#include "test_product_texts.moc"

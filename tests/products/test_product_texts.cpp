// What the product screens show for a product's fields, and the booking button and form
// rules, without any screen.
#include "Booking.h"
#include "ProductTexts.h"

#include <QTest>

Q_DECLARE_METATYPE(Booking::Enquiry)
Q_DECLARE_METATYPE(Booking::Check::Result)

class TestProductTexts : public QObject
{
    Q_OBJECT

private slots:
    void saleBadge_data()
    {
        QTest::addColumn<QString>("w_xszt");
        QTest::addColumn<QString>("image");
        QTest::newRow("on sale") << "1"
                                 << "rexiao";
        QTest::newRow("open for booking") << "2"
                                          << "yuyue";
        QTest::newRow("sold out") << "3"
                                  << "shouwan";
        QTest::newRow("other state") << "4"
                                     << "shouwan";
        QTest::newRow("missing") << ""
                                 << "shouwan";
        QTest::newRow("padded") << " 1"
                                << "shouwan";
    }

    void saleBadge()
    {
        QFETCH(QString, w_xszt);
        QFETCH(QString, image);
        QCOMPARE(ProductTexts::saleBadgeImage(w_xszt), image);
    }

    void yield_data()
    {
        QTest::addColumn<QString>("w_yqnhsyl");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal") << "6.8"
                                 << "6.8％";
        QTest::newRow("whole") << "7"
                               << "7％";
        QTest::newRow("missing") << ""
                                 << "％";
    }

    void yield()
    {
        QFETCH(QString, w_yqnhsyl);
        QFETCH(QString, text);
        QCOMPARE(ProductTexts::yieldText(w_yqnhsyl), text);
        QVERIFY(!text.contains(QLatin1Char('%'))); // the full-width sign, never the ASCII one
    }

    void productsTabStartAmount_data()
    {
        QTest::addColumn<QString>("w_qdje");
        QTest::addColumn<QString>("text");
        QTest::newRow("9999") << "9999"
                              << "0万元";
        QTest::newRow("8000") << "8000"
                              << "0万元";
        QTest::newRow("10000") << "10000"
                               << "1万元";
        QTest::newRow("19999") << "19999"
                               << "1万元";
        QTest::newRow("50000") << "50000"
                               << "5万元";
        QTest::newRow("1000000") << "1000000"
                                 << "100万元";
        QTest::newRow("decimal") << "50000.9"
                                 << "5万元";
        QTest::newRow("missing") << ""
                                 << "0万元";
        QTest::newRow("not a number") << "abc"
                                      << "0万元";
    }

    void productsTabStartAmount()
    {
        QFETCH(QString, w_qdje);
        QFETCH(QString, text);
        QCOMPARE(ProductTexts::listStartAmount(w_qdje), text);
    }

    void securitiesListStartAmount_data()
    {
        QTest::addColumn<QString>("w_qdje");
        QTest::addColumn<QString>("text");
        QTest::newRow("9999") << "9999"
                              << "9999元";
        QTest::newRow("10000") << "10000"
                               << "1万元";
        QTest::newRow("15000 rounds up") << "15000"
                                         << "2万元";
        QTest::newRow("14999") << "14999"
                               << "1万元";
        QTest::newRow("25000 rounds to even") << "25000"
                                              << "2万元";
        QTest::newRow("35000 rounds to even") << "35000"
                                              << "4万元";
        QTest::newRow("1000000") << "1000000"
                                 << "100万元";
        QTest::newRow("zero") << "0"
                              << "0元";
        QTest::newRow("missing") << ""
                                 << "0元";
    }

    void securitiesListStartAmount()
    {
        QFETCH(QString, w_qdje);
        QFETCH(QString, text);
        QCOMPARE(ProductTexts::trustListStartAmount(w_qdje), text);
    }

    void detailStartAmount_data()
    {
        QTest::addColumn<QString>("w_qdje");
        QTest::addColumn<QString>("text");
        QTest::newRow("9999") << "9999"
                              << "9999元";
        QTest::newRow("10000") << "10000"
                               << "1万元";
        QTest::newRow("15000") << "15000"
                               << "1万元";
        QTest::newRow("50000") << "50000"
                               << "5万元";
        QTest::newRow("1000000") << "1000000"
                                 << "100万元";
        QTest::newRow("100") << "100"
                             << "100元";
        QTest::newRow("missing") << ""
                                 << "";
    }

    void detailStartAmount()
    {
        QFETCH(QString, w_qdje);
        QFETCH(QString, text);
        QCOMPARE(ProductTexts::detailStartAmount(w_qdje), text);
    }

    void issueSize_data()
    {
        QTest::addColumn<QString>("w_xtgm");
        QTest::addColumn<QString>("text");
        QTest::newRow("300 million") << "300000000"
                                     << "30000万元";
        QTest::newRow("12345") << "12345"
                               << "1万元";
        QTest::newRow("9999") << "9999"
                              << "0万元";
        QTest::newRow("10000") << "10000"
                               << "1万元";
        QTest::newRow("one billion") << "1000000000"
                                     << "100000万元";
        QTest::newRow("missing") << ""
                                 << "";
    }

    void issueSize()
    {
        QFETCH(QString, w_xtgm);
        QFETCH(QString, text);
        QCOMPARE(ProductTexts::issueSize(w_xtgm), text);
    }

    void fundUse_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("label");
        QTest::newRow("1") << "1"
                           << "证券投资类";
        QTest::newRow("2") << "2"
                           << "固定收益类";
        QTest::newRow("3") << "3"
                           << "现金管理类";
        QTest::newRow("4") << "4"
                           << "股权投资类";
        QTest::newRow("outside the table") << "5"
                                           << "";
        QTest::newRow("missing") << ""
                                 << "";
    }

    void fundUse()
    {
        QFETCH(QString, code);
        QFETCH(QString, label);
        QCOMPARE(ProductTexts::fundUse(code), label);
    }

    void riskControl_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("label");
        QTest::newRow("1") << "1"
                           << "土地、房产抵押";
        QTest::newRow("2") << "2"
                           << "股权质押";
        QTest::newRow("3") << "3"
                           << "上市公司股票质押";
        QTest::newRow("4") << "4"
                           << "其他抵质押";
        QTest::newRow("5") << "5"
                           << "保证";
        QTest::newRow("6") << "6"
                           << "其他";
        QTest::newRow("outside the table") << "7"
                                           << "";
        QTest::newRow("missing") << ""
                                 << "";
    }

    void riskControl()
    {
        QFETCH(QString, code);
        QFETCH(QString, label);
        QCOMPARE(ProductTexts::riskControl(code), label);
    }

    void distributionMethod_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("label");
        QTest::newRow("1") << "1"
                           << "按天分配";
        QTest::newRow("2") << "2"
                           << "按月分配";
        QTest::newRow("3") << "3"
                           << "按季度分配";
        QTest::newRow("4") << "4"
                           << "按年分配";
        QTest::newRow("5") << "5"
                           << "到期分配";
        QTest::newRow("9 shows as itself") << "9"
                                           << "9";
        QTest::newRow("missing") << ""
                                 << "";
    }

    void distributionMethod()
    {
        QFETCH(QString, code);
        QFETCH(QString, label);
        QCOMPARE(ProductTexts::distributionMethod(code), label);
    }

    void detailRowsInOrder()
    {
        modelForProd p;
        p.w_cpmc = "澄岚·稳盈1号";
        p.w_xtgm = "300000000";
        p.w_xtqx = "24个月";
        p.w_cptjq = "推介期";
        p.w_sysm = "6.8%，按季付息";
        p.w_mjzh = "账户";
        p.w_zjyt = "2";
        p.w_fxkzcs = "1";
        p.w_xxpl = "披露";
        p.w_qdje = "1000000";
        p.w_syfpfs = "3";
        p.w_jxfs = "计息";
        p.w_tbts = "提示";
        p.w_yydj = "登记";
        p.w_jk = "缴款说明";
        p.w_qsxtht = "签约";
        p.w_str = "简介";

        const auto rows = ProductTexts::detailRows(p);
        const QList<QPair<QString, QString>> expected{
            {"产品名称", "澄岚·稳盈1号"},
            {"发行规模", "30000万元"},
            {"信托期限", "24个月"},
            {"产品推介期", "推介期"},
            {"预期年化收益率", "6.8%，按季付息"},
            {"信托募集账户信息", "账户"},
            {"信托资金用途", "固定收益类"},
            {"风险控制措施", "土地、房产抵押"},
            {"信息披露", "披露"},
            {"起点金额", "100万元"},
            {"分配方式", "按季度分配"},
            {"计息方式", "计息"},
            {"特别提示", "提示"},
            {"认购流程", "1.预约登记\n登记\n\n2.缴款\n缴款说明\n\n3.签署信托合同\n签约"},
            {"委托人简介", "简介"},
        };
        QCOMPARE(rows.size(), 15);
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(rows.at(i).first, expected.at(i).first);
            QCOMPARE(rows.at(i).second, expected.at(i).second);
        }
    }

    void detailRowsOfAnEmptyRecord()
    {
        const auto rows = ProductTexts::detailRows(modelForProd());
        QCOMPARE(rows.size(), 15); // every caption keeps its row
        QCOMPARE(rows.at(0).first, QString("产品名称"));
        QCOMPARE(rows.at(14).first, QString("委托人简介"));
        QCOMPARE(rows.at(13).second, QString("1.预约登记\n\n\n2.缴款\n\n\n3.签署信托合同\n"));
        for (int i = 0; i < rows.size(); ++i) {
            if (i != 13)
                QVERIFY2(rows.at(i).second.isEmpty(), qPrintable(rows.at(i).first));
        }
    }

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
        const QString book = QStringLiteral("立即预约");
        const QString processing = QStringLiteral("预约处理中");
        // Bookable: on sale or open for booking, plan normal.
        for (const auto &[sale, plan] : {std::pair{"1", "0"}, {"1", "1"}, {"2", "0"}, {"2", "1"}}) {
            const QByteArray tag = QByteArray("sale ") + sale + " plan " + plan;
            QTest::newRow(tag + ", unknown")
                << sale << plan << E::Unknown << book << true << true << false << true;
            QTest::newRow(tag + ", no booking")
                << sale << plan << E::NoOpenBooking << book << true << true << false << true;
            QTest::newRow(tag + ", processing")
                << sale << plan << E::Processing << processing << false << false << true << false;
            QTest::newRow(tag + ", enquiry failed")
                << sale << plan << E::Failed << book << false << true << false << true;
        }
        // Not bookable, whatever the customer's bookings.
        for (const E state : {E::Unknown, E::Processing, E::NoOpenBooking, E::Failed}) {
            const QByteArray tag = ", state " + QByteArray::number(int(state));
            QTest::newRow("sold out" + tag)
                << "3"
                << "1" << state << "售完" << false << false << true << false;
            QTest::newRow("sold out, plan terminated" + tag)
                << "3"
                << "2" << state << "售完" << false << false << true << false;
            QTest::newRow("on sale, plan terminated" + tag)
                << "1"
                << "2" << state << "计划终止" << false << false << true << false;
            QTest::newRow("booking, plan terminated" + tag)
                << "2"
                << "2" << state << "计划终止" << false << false << true << false;
            QTest::newRow("booking, plan failed" + tag)
                << "2"
                << "3" << state << "计划失败" << false << false << true << false;
            QTest::newRow("state 4, plan terminated" + tag)
                << "4"
                << "2" << state << "计划终止" << false << false << true << false;
            // Nothing names the case: the title stays as it was.
            QTest::newRow("state 4, plan normal" + tag)
                << "4"
                << "1" << state << "旧标题" << false << false << false << false;
            QTest::newRow("nothing known" + tag)
                << ""
                << "" << state << "旧标题" << false << false << false << false;
        }
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

    void processingLookIsTheAcceptedBooking()
    {
        const Booking::ButtonLook look = Booking::processingLook();
        QCOMPARE(look.title, QString("预约处理中"));
        QVERIFY(!look.enabled);
        QVERIFY(!look.blue);
        QVERIFY(look.fullWidth);
        QVERIFY(!look.telephoneVisible);
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
        const QString noAmount = QStringLiteral("您还没有输入金额");
        const QString notDigits = QStringLiteral("请在金额栏输入数字内容");
        const QString badPhone = QStringLiteral("请填写正确的手机号码");

        QTest::newRow("empty amount")
            << "" << phone << "50000" << true << R::Alert << noAmount << qint64(0);
        QTest::newRow("empty amount first") << ""
                                            << ""
                                            << "50000" << true << R::Alert << noAmount << qint64(0);
        QTest::newRow("no digit") << "abc" << phone << "50000" << true << R::Alert << notDigits
                                  << qint64(0);
        QTest::newRow("no digit before the phone")
            << "万"
            << "1"
            << "50000" << true << R::Alert << notDigits << qint64(0);
        QTest::newRow("below the starting amount")
            << "4" << phone << "50000" << true << R::Toast << "您的预约金额小于认购起点(5万元)"
            << qint64(0);
        QTest::newRow("below the start before the phone")
            << "4"
            << "123"
            << "50000" << true << R::Toast << "您的预约金额小于认购起点(5万元)" << qint64(0);
        QTest::newRow("below one million") << "99" << phone << "1000000" << true << R::Toast
                                           << "您的预约金额小于认购起点(100万元)" << qint64(0);
        QTest::newRow("start named in whole ten-thousands")
            << "1" << phone << "15000" << true << R::Toast << "您的预约金额小于认购起点(1万元)"
            << qint64(0);
        QTest::newRow("start below ten thousand") << "0.5" << phone << "9999" << true << R::Toast
                                                  << "您的预约金额小于认购起点(0万元)" << qint64(0);
        QTest::newRow("bad phone") << "5"
                                   << "12345"
                                   << "50000" << true << R::Alert << badPhone << qint64(0);
        QTest::newRow("empty phone") << "5"
                                     << ""
                                     << "50000" << true << R::Alert << badPhone << qint64(0);
        QTest::newRow("twelve-digit phone") << "5"
                                            << "138123456789"
                                            << "50000" << true << R::Alert << badPhone << qint64(0);
        QTest::newRow("exactly the start")
            << "5" << phone << "50000" << true << R::Ok << "" << qint64(50000);
        QTest::newRow("one million")
            << "100" << phone << "1000000" << true << R::Ok << "" << qint64(1000000);
        QTest::newRow("just over 9999")
            << "1" << phone << "9999" << true << R::Ok << "" << qint64(10000);
        QTest::newRow("whole ten-thousands sent")
            << "1.5" << phone << "10000" << true << R::Ok << "" << qint64(10000);
        QTest::newRow("leading number")
            << "5万" << phone << "50000" << true << R::Ok << "" << qint64(50000);
        QTest::newRow("no starting amount")
            << "4" << phone << "" << true << R::Ok << "" << qint64(40000);
        QTest::newRow("start not enforced")
            << "1" << phone << "50000" << false << R::Ok << "" << qint64(10000);
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

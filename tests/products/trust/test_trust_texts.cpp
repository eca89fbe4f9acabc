// The securities-trust detail's texts and booking-button rules on their own.
#include "AppConfig.h"
#include "Booking.h"
#include "ProductTexts.h"

#include <QTest>

Q_DECLARE_METATYPE(Booking::ButtonLook)

class TestTrustTexts : public QObject
{
    Q_OBJECT

private slots:
    void issueSize_data()
    {
        QTest::addColumn<QString>("w_xtgm");
        QTest::addColumn<QString>("fxgm");
        QTest::newRow("whole ten-thousands") << "3000000"
                                             << "300万元";
        QTest::newRow("ten thousand") << "10000"
                                      << "1万元";
        QTest::newRow("a hundred million") << "100000000"
                                           << "10000万元";
        QTest::newRow("with a remainder") << "12345"
                                          << "1.2345万元";
        QTest::newRow("fifteen thousand") << "15000"
                                          << "1.5000万元";
        QTest::newRow("below ten thousand") << "9999"
                                            << "9999元";
        QTest::newRow("decimals are dropped below") << "9999.9"
                                                    << "9999元";
        QTest::newRow("absent") << ""
                                << "0元";
    }

    void issueSize()
    {
        QFETCH(QString, w_xtgm);
        QFETCH(QString, fxgm);
        QCOMPARE(ProductTexts::trustIssueSize(w_xtgm), fxgm);
    }

    void startAmount_data()
    {
        QTest::addColumn<QString>("w_qdje");
        QTest::addColumn<QString>("text");
        QTest::newRow("a million") << "1000000"
                                   << "100万元";
        QTest::newRow("remainder dropped") << "15000"
                                           << "1万元";
        QTest::newRow("ten thousand") << "10000"
                                      << "1万元";
        QTest::newRow("below ten thousand") << "9999"
                                            << "9999元";
        QTest::newRow("integer value") << "9999.5"
                                       << "9999元";
        QTest::newRow("absent") << ""
                                << "0元";
    }

    void startAmount()
    {
        QFETCH(QString, w_qdje);
        QFETCH(QString, text);
        QCOMPARE(ProductTexts::trustStartAmount(w_qdje), text);
    }

    void buttonLook_data()
    {
        QTest::addColumn<QString>("w_xszt");
        QTest::addColumn<QString>("w_zt");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<bool>("fullWidth");
        QTest::newRow("on sale, plan 1") << "1"
                                         << "1"
                                         << "立即预约" << true << false;
        QTest::newRow("on sale, plan 0") << "1"
                                         << "0"
                                         << "立即预约" << true << false;
        QTest::newRow("open for booking: running") << "2"
                                                   << "1"
                                                   << "存续中" << false << true;
        QTest::newRow("running before a failed plan") << "2"
                                                      << "3"
                                                      << "存续中" << false << true;
        QTest::newRow("sold out") << "3"
                                  << "1"
                                  << "售完" << false << true;
        QTest::newRow("sold out, plan terminated") << "3"
                                                   << "2"
                                                   << "售完" << false << true;
        QTest::newRow("plan terminated") << "1"
                                         << "2"
                                         << "计划终止" << false << true;
        QTest::newRow("plan failed") << "1"
                                     << "3"
                                     << "计划失败" << false << true;
        QTest::newRow("other sale state keeps the title") << "4"
                                                          << "1"
                                                          << "旧标题" << false << false;
    }

    void buttonLook()
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
        // Not bookable: no telephone booking either.
        QCOMPARE(look.telephoneVisible, usable);
    }

    void productDetailRulesAreUnchanged()
    {
        // Open for booking is bookable on the product detail, unlike the trust detail.
        QCOMPARE(Booking::buttonLook("2", "1", Booking::Enquiry::NoOpenBooking, "x").title,
                 QString("立即预约"));
        QVERIFY(!Booking::isTrustBookable("2", "1"));
        QCOMPARE(Booking::buttonLook("4", "1", Booking::Enquiry::Unknown, "x").title, QString("x"));
        QCOMPARE(Booking::buttonLook("3", "1", Booking::Enquiry::Unknown, "x").title,
                 QString("售完"));
    }

    void telephoneBookingTitle()
    {
        QCOMPARE(Booking::telephoneBookingTitle(),
                 QStringLiteral("立即拨打%1预约产品").arg(AppConfig::hotlineDisplay()));
    }
};

QTEST_APPLESS_MAIN(TestTrustTexts)
#include "test_trust_texts.moc"

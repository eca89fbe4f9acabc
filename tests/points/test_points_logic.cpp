// The points filters and texts and the activity rules, without any screen.
#include "ActivityForms.h"
#include "ActivityRules.h"
#include "PointsFilter.h"
#include "PointsTexts.h"

#include <QTest>

Q_DECLARE_METATYPE(ActivityRules::Period)

namespace {

// Gifts named by their points and quantity, "point/total_num/category".
QList<ScoreModel> gifts(const QStringList &descriptions)
{
    QList<ScoreModel> out;
    for (const QString &description : descriptions) {
        const QStringList parts = description.split(u'/');
        ScoreModel gift;
        gift.point = parts.at(0);
        gift.total_num = parts.at(1);
        gift.category_id = parts.at(2);
        out.append(gift);
    }
    return out;
}

QStringList names(const QList<ScoreModel> &catalogue)
{
    QStringList out;
    for (const ScoreModel &gift : catalogue)
        out.append(gift.point + u'/' + gift.total_num + u'/' + gift.category_id);
    return out;
}

QZActivityModel activity(const QString &start, const QString &end, const QString &today,
                         const QString &status = QString(), const QString &type = QString())
{
    QZActivityModel a;
    a.booking_start_time = start;
    a.booking_end_time = end;
    a.system_time = today;
    a.activity_status = status;
    a.acti_type = type;
    return a;
}

} // namespace

class TestPointsLogic final : public QObject
{
    Q_OBJECT

private slots:
    void selectProduct_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("available");
        QTest::addColumn<QStringList>("kept");
        // clang-format off
        QTest::newRow("all -1: nothing removed, quantity as text") << "-1" << "-1" << "-1" << "0" << QStringList{"500/100/1", "20/1000/3", "35/20/3", "1000/5/2", "50/50/3"};
        QTest::newRow("category 3, 20-50, points as text")         << "3" << "1" << "0" << "0" << QStringList{"20/1000/3", "35/20/3", "50/50/3"};
        QTest::newRow("range 1-20 keeps its upper bound")          << "-1" << "0" << "-1" << "0" << QStringList{"20/1000/3"};
        QTest::newRow("range 50-100 keeps its lower bound")        << "-1" << "2" << "-1" << "0" << QStringList{"50/50/3"};
        QTest::newRow("range 1000 and up")                         << "-1" << "4" << "-1" << "0" << QStringList{"1000/5/2"};
        QTest::newRow("unknown range keeps all")                   << "-1" << "7" << "0" << "0" << QStringList{"1000/5/2", "20/1000/3", "35/20/3", "50/50/3", "500/100/1"};
        QTest::newRow("affordable at 500 keeps list order")        << "-1" << "-1" << "1" << "500" << QStringList{"50/50/3", "20/1000/3", "500/100/1", "35/20/3"};
        QTest::newRow("affordable at 499 drops 500")               << "-1" << "-1" << "1" << "499" << QStringList{"50/50/3", "20/1000/3", "35/20/3"};
        QTest::newRow("affordable without an account")             << "-1" << "-1" << "1" << "" << QStringList();
        QTest::newRow("padded category matches nothing")           << " 3" << "-1" << "1" << "5000" << QStringList();
        QTest::newRow("unknown category matches nothing")          << "9" << "-1" << "-1" << "0" << QStringList();
        // clang-format on
    }

    void selectProduct()
    {
        QFETCH(QString, category);
        QFETCH(QString, range);
        QFETCH(QString, order);
        QFETCH(QString, available);
        QFETCH(QStringList, kept);
        const QList<ScoreModel> catalogue =
            gifts({"50/50/3", "20/1000/3", "500/100/1", "1000/5/2", "35/20/3"});
        QCOMPARE(names(PointsFilter::selectProduct(catalogue, category, range, order, available)),
                 kept);
    }

    void historyRows_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("w_jf");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("line");
        // clang-format off
        QTest::newRow("purchase")           << "1" << "3000" << "交易日期：" << "稳盈1号" << "购买稳盈1号产品,获得积分：3000";
        QTest::newRow("adjustment gained")  << "2" << "1" << "操作日期：" << "手动调整" << "获得积分：1";
        QTest::newRow("adjustment lost")    << "2" << "-30" << "操作日期：" << "手动调整" << "失去积分：-30";
        QTest::newRow("adjustment of none") << "2" << "0" << "操作日期：" << "手动调整" << "积分无变化";
        QTest::newRow("expiry")             << "3" << "200" << "到期日期：" << "您有200积分已过期,积分来源于稳盈1号" << "过期积分：200";
        QTest::newRow("redemption")         << "4" << "" << "兑换日期：" << "使用200积分兑换2个稳盈1号" << "客户已完成兑换";
        QTest::newRow("unknown is redemption") << "" << "" << "兑换日期：" << "使用200积分兑换2个稳盈1号" << "客户已完成兑换";
        // clang-format on
    }

    void historyRows()
    {
        QFETCH(QString, kind);
        QFETCH(QString, w_jf);
        QFETCH(QString, caption);
        QFETCH(QString, description);
        QFETCH(QString, line);
        ScoreHistoryModel m;
        m.w_point_from = kind;
        m.w_jf = w_jf;
        m.w_cpmc = "稳盈1号";
        m.w_point = "200";
        m.w_amount = "2";
        m.w_rq = "20250312";
        const PointsTexts::HistoryRow row = PointsTexts::historyRow(m);
        QCOMPARE(row.dateCaption, caption);
        QCOMPARE(row.date, QString("2025-03-12"));
        QCOMPARE(row.description, description);
        QCOMPARE(row.pointsLine, line);
    }

    void periods_data()
    {
        QTest::addColumn<QZActivityModel>("a");
        QTest::addColumn<ActivityRules::Period>("period");
        QTest::addColumn<bool>("withinDates");
        QTest::addColumn<QString>("activityTitle");
        QTest::addColumn<QString>("questionnaireTitle");
        using P = ActivityRules::Period;
        // clang-format off
        QTest::newRow("first day is open")      << activity("20260110", "20260120", "20260110") << P::Open << true << "我要参与>>" << "问卷调查>>";
        QTest::newRow("last day is open")       << activity("20260110", "20260120", "20260120") << P::Open << true << "我要参与>>" << "问卷调查>>";
        QTest::newRow("the day before")         << activity("20260110", "20260120", "20260109") << P::NotStarted << false << "报名未开始" << "问卷调查未开始";
        QTest::newRow("the day after")          << activity("20260110", "20260120", "20260121") << P::Ended << false << "报名已结束" << "问卷调查已结束";
        QTest::newRow("status 3 inside")        << activity("20260110", "20260120", "20260115", "3") << P::Ended << true << "报名已结束" << "问卷调查已结束";
        QTest::newRow("status 2 stays open")    << activity("20260110", "20260120", "20260115", "2") << P::Open << true << "我要参与>>" << "问卷调查>>";
        QTest::newRow("not started beats 3")    << activity("20260110", "20260120", "20260101", "3") << P::NotStarted << false << "报名未开始" << "问卷调查未开始";
        // clang-format on
    }

    void periods()
    {
        QFETCH(QZActivityModel, a);
        QFETCH(ActivityRules::Period, period);
        QFETCH(bool, withinDates);
        QFETCH(QString, activityTitle);
        QFETCH(QString, questionnaireTitle);
        QCOMPARE(ActivityRules::period(a), period);
        QCOMPARE(ActivityRules::isWithinBookingDates(a), withinDates);
        const auto button = ActivityRules::stateButton(a);
        QCOMPARE(button.title, activityTitle);
        QCOMPARE(button.grey, period != ActivityRules::Period::Open);
        a.acti_type = "2";
        QCOMPARE(ActivityRules::stateButton(a).title, questionnaireTitle);
    }

    void actionArea_data()
    {
        QTest::addColumn<QZActivityModel>("a");
        QTest::addColumn<QString>("partType");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("khlx");
        QTest::addColumn<QString>("shown"); // o online, p phone, f finish, q questionnaire
        QTest::addColumn<QString>("text");  // finish or questionnaire text; empty: the file's
        const auto open = activity("20260110", "20260120", "20260115");
        const auto paused = activity("20260110", "20260120", "20260115", "2");
        const auto early = activity("20260110", "20260120", "20260101");
        const auto late = activity("20260110", "20260120", "20260121");
        auto survey = [](QZActivityModel a) {
            a.acti_type = "2";
            return a;
        };
        // clang-format off
        QTest::newRow("questionnaire open")          << survey(open) << "" << false << "" << "q" << "";
        QTest::newRow("questionnaire not started")   << survey(early) << "" << true << "3" << "q" << "问卷调查未开始";
        QTest::newRow("questionnaire ended")         << survey(late) << "" << true << "3" << "q" << "问卷调查已结束";
        QTest::newRow("not started")                 << early << "" << true << "3" << "f" << "报名未开始";
        QTest::newRow("ended keeps the file's text") << late << "" << true << "3" << "f" << "";
        QTest::newRow("online only")                 << open << "1" << true << "3" << "o" << "";
        QTest::newRow("telephone only")              << open << "2" << true << "3" << "p" << "";
        QTest::newRow("both ways")                   << open << "" << true << "3" << "op" << "";
        QTest::newRow("status 2 hides everything")   << paused << "" << true << "3" << "" << "";
        QTest::newRow("status 2 hides from visitor") << paused << "1" << false << "" << "" << "";
        QTest::newRow("visitor sees both")           << open << "1" << false << "" << "op" << "";
        QTest::newRow("type not admitted")           << open << "" << true << "1" << "" << "";
        QTest::newRow("customer without a type")     << open << "" << true << "" << "" << "";
        // clang-format on
    }

    void actionArea()
    {
        QFETCH(QZActivityModel, a);
        QFETCH(QString, partType);
        QFETCH(bool, signedIn);
        QFETCH(QString, khlx);
        QFETCH(QString, shown);
        QFETCH(QString, text);
        a.part_type = partType;
        a.activity_cust = "2,3";
        const auto area = ActivityRules::actionArea(a, signedIn, khlx);
        QCOMPARE(area.online, shown.contains('o'));
        QCOMPARE(area.phone, shown.contains('p'));
        QCOMPARE(area.finish, shown.contains('f'));
        QCOMPARE(area.questionnaire, shown.contains('q'));
        QCOMPARE(area.questionnaire ? area.questionnaireText : area.finishText, text);
        QCOMPARE(area.questionnaireOpen, area.questionnaire && text.isEmpty());
    }

    void registrationStatusOfUnknownStates()
    {
        QVERIFY(ActivityRules::registrationStatus("2")->green);
        QVERIFY(!ActivityRules::registrationStatus("3")->green);
        QVERIFY(!ActivityRules::registrationStatus(" 1"));
        QVERIFY(!ActivityRules::registrationStatus(""));
    }

    void places_data()
    {
        QTest::addColumn<QString>("places");
        QTest::addColumn<QString>("joined");
        QTest::addColumn<bool>("left");
        // clang-format off
        QTest::newRow("full")               << "20" << "20" << false;
        QTest::newRow("overbooked")         << "20" << "21" << false;
        QTest::newRow("one left")           << "20" << "19" << true;
        QTest::newRow("nobody joined yet")  << "20" << "" << true;
        QTest::newRow("no places given")    << "" << "" << false;
        // clang-format on
    }

    void places()
    {
        QFETCH(QString, places);
        QFETCH(QString, joined);
        QFETCH(bool, left);
        QCOMPARE(ActivityForms::hasPlacesLeft(places, joined), left);
    }

    void registrationChecksInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        const QString ok = "13812345678";
        // clang-format off
        QTest::newRow("nothing written")            << "" << "" << "" << "亲，您可什么都没写就提交了啊!";
        QTest::newRow("only the name")              << "王" << "" << "" << "亲，您只填写了姓名耶!";
        QTest::newRow("name and number, no phone")  << "王" << "" << "2" << "亲，电话号码仿佛有问题哦!";
        QTest::newRow("phone beginning with 12")    << "" << "12812345678" << "2" << "亲，电话号码仿佛有问题哦!";
        QTest::newRow("phone before the number")    << "王" << "1381234" << "" << "亲，电话号码仿佛有问题哦!";
        QTest::newRow("no number")                  << "王" << ok << "" << "亲，预约人数至少一人哦!";
        QTest::newRow("three of two left")          << "" << ok << "3" << "非常抱歉，由于参与名额限制，目前还剩余报名人数为2";
        QTest::newRow("two of two left, no name")   << "" << ok << "2" << "";
        QTest::newRow("one of two left")            << "王" << ok << "1" << "";
        // clang-format on
    }

    void registrationChecksInOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, phone);
        QFETCH(QString, number);
        QFETCH(QString, message);
        QCOMPARE(ActivityForms::checkRegistration(name, phone, number, "20", "18"), message);
    }

    void questionnaireChecks_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("message");
        const QString wrongPhone = "请留下正确的手机号";
        // clang-format off
        QTest::newRow("no answer")             << "" << "13812345678" << "您还没有留下您宝贵的意见";
        QTest::newRow("no digit")              << "很好" << "abcdefg" << wrongPhone;
        QTest::newRow("six characters")        << "很好" << "123456" << wrongPhone;
        QTest::newRow("seven with a digit")    << "很好" << "a123456" << "";
        QTest::newRow("no telephone at all")   << "很好" << "" << "";
        // clang-format on
    }

    void questionnaireChecks()
    {
        QFETCH(QString, answer);
        QFETCH(QString, phone);
        QFETCH(QString, message);
        QCOMPARE(ActivityForms::checkQuestionnaire(answer, phone), message);
    }
};

QTEST_APPLESS_MAIN(TestPointsLogic)
#include "test_points_logic.moc"

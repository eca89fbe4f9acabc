// What the message list, the news and the settings show for their records, and the rows
// and parameters of the settings, without any screen.
#include "MessageTexts.h"
#include "NewsTexts.h"
#include "SettingRows.h"

#include <QTest>

Q_DECLARE_METATYPE(MessageTexts::Target)
Q_DECLARE_METATYPE(SettingRows::PickedSex)

using TextOf = QString (*)(const QString &);
Q_DECLARE_METATYPE(TextOf)

namespace {

// A row as one line of text: title, detail, ">" for the arrow, the switch, the action.
QString describe(const SettingRow &row)
{
    const char *switches[] = {"", " [on]", " [off]"};
    return QStringLiteral("%1|%2%3%4 #%5")
        .arg(row.title, row.detail, row.arrow ? QStringLiteral(">") : QString(),
             QLatin1String(switches[int(row.gestureSwitch)]))
        .arg(int(row.action));
}

QStringList describe(const QList<SettingRow> &rows)
{
    QStringList out;
    for (const SettingRow &row : rows)
        out.append(describe(row));
    return out;
}

} // namespace

class TestMessagesTexts final : public QObject
{
    Q_OBJECT

private slots:
    void messageKinds_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<MessageTexts::Target>("target");
        using T = MessageTexts::Target;
        // clang-format off
        QTest::newRow("news")                   << "1" << "资讯" << T::Article;
        QTest::newRow("product")                << "2" << "产品" << T::Product;
        QTest::newRow("maturity")               << "3" << "产品到期" << T::Nothing;
        QTest::newRow("padded reads its number") << " 2" << "产品" << T::Product;
        QTest::newRow("empty")                  << "" << "产品到期" << T::Nothing;
        QTest::newRow("not a number")           << "x" << "产品到期" << T::Nothing;
        // clang-format on
    }

    void messageKinds()
    {
        QFETCH(QString, type);
        QFETCH(QString, kind);
        QFETCH(MessageTexts::Target, target);
        QCOMPARE(MessageTexts::kindLabel(type), kind);
        QCOMPARE(MessageTexts::targetOf(type), target);
    }

    void onlyStatusZeroIsUnread()
    {
        QVERIFY(MessageTexts::isUnread("0"));
        QVERIFY(!MessageTexts::isUnread("1"));
        QVERIFY(!MessageTexts::isUnread(""));
        QVERIFY(!MessageTexts::isUnread(" 0"));
    }

    void fieldTexts_data()
    {
        QTest::addColumn<TextOf>("textOf");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        using namespace NewsTexts;
        // clang-format off
        QTest::newRow("kind company news")      << TextOf(kindLabel) << "1" << "公司新闻";
        QTest::newRow("kind industry")          << TextOf(kindLabel) << "2" << "行业资讯";
        QTest::newRow("kind research")          << TextOf(kindLabel) << "3" << "研究分析";
        QTest::newRow("kind outside the table") << TextOf(kindLabel) << "4" << "";
        QTest::newRow("kind empty")             << TextOf(kindLabel) << "" << "";
        QTest::newRow("date of eight")          << TextOf(listDate) << "20261201" << "2026-12-01";
        QTest::newRow("date of seven")          << TextOf(listDate) << "2026120" << "";
        QTest::newRow("date of nine")           << TextOf(listDate) << "202612011" << "";
        QTest::newRow("date empty")             << TextOf(listDate) << "" << "";
        QTest::newRow("source")                 << TextOf(sourceText) << "新华社" << "来源:新华社";
        QTest::newRow("sex 1")                  << TextOf(SettingRows::sexText) << "1" << "男";
        QTest::newRow("sex 0")                  << TextOf(SettingRows::sexText) << "0" << "女";
        QTest::newRow("sex absent")             << TextOf(SettingRows::sexText) << "" << "女";
        QTest::newRow("sex 2")                  << TextOf(SettingRows::sexText) << "2" << "";
        QTest::newRow("sex padded")             << TextOf(SettingRows::sexText) << " 1" << "";
        // clang-format on
    }

    void fieldTexts()
    {
        QFETCH(TextOf, textOf);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QCOMPARE(textOf(value), text);
    }

    void resizeImages_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("resized");
        // clang-format off
        QTest::newRow("wider: left to the view")  << R"(<p><img src="/a.png" width="640" height="480"/></p>)" << R"(<p><img src="/a.png"/></p>)";
        QTest::newRow("height first, upper case") << R"(<IMG height='100' WIDTH='960' alt=x>)" << R"(<IMG alt=x>)";
        QTest::newRow("unquoted, with px")        << R"(<img width=800px src=x>)" << R"(<img src=x>)";
        QTest::newRow("narrow enough: unchanged")        << R"(<img width="320" height="10">)" << R"(<img width="320" height="10">)";
        QTest::newRow("no width: left to the view")      << R"(<img src="a.png" style="width: 900px">)" << R"(<img src="a.png" style="width: 900px">)";
        QTest::newRow("every picture, text kept")        << R"(a<img width="400">b width="999"<img width="640">)" << R"(a<img>b width="999"<img>)";
        QTest::newRow("no picture")                      << "<p>width=\"900\"</p>" << "<p>width=\"900\"</p>";
        QTest::newRow("empty")                           << "" << "";
        // clang-format on
    }

    void resizeImages()
    {
        QFETCH(QString, html);
        QFETCH(QString, resized);
        QCOMPARE(NewsTexts::resizeImages(html), resized);
    }

    void profileDetailsFromStoredCopyAndSexFromProfile()
    {
        KhxxModel profile;
        profile.xb = "1";
        profile.khxm = "服务器上的名字"; // not shown: the stored copy names the customer
        const QJsonObject myDic{
            {"khxm", "王澄宇"}, {"zjhm", "310104198803162418"}, {"sjhm", "13812345678"}};
        QCOMPARE(SettingRows::profileDetails(myDic, profile),
                 (QStringList{"王澄宇", "男", "310104198803162418", "13812345678"}));
        QCOMPARE(SettingRows::profileDetails({}, {}), (QStringList{"", "女", "", ""}));
    }

    void profileSection_data()
    {
        QTest::addColumn<QStringList>("details");
        QTest::addColumn<SettingRows::PickedSex>("picked");
        QTest::addColumn<QString>("sexRow");
        using P = SettingRows::PickedSex;
        // clang-format off
        QTest::newRow("nothing picked: the profile") << QStringList{"王", "男", "1", "2"} << P::None << "性别|男> #1";
        QTest::newRow("female picked")               << QStringList{"王", "男", "1", "2"} << P::Female << "性别|女> #1";
        QTest::newRow("male picked over nothing")    << QStringList{"王", "", "1", "2"} << P::Male << "性别|男> #1";
        QTest::newRow("profile not arrived")         << QStringList() << P::None << "性别|> #1";
        // clang-format on
    }

    void profileSection()
    {
        QFETCH(QStringList, details);
        QFETCH(SettingRows::PickedSex, picked);
        QFETCH(QString, sexRow);
        const QStringList rows = describe(SettingRows::profileSection(details, picked));
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows.at(0), QString("姓名|%1 #0").arg(details.value(0)));
        QCOMPARE(rows.at(1), sexRow);
        QCOMPARE(rows.at(2), QString("证件号码|%1 #0").arg(details.value(2)));
        QCOMPARE(rows.at(3), QString("手机号码|%1 #0").arg(details.value(3)));
        QCOMPARE(rows.mid(4), (QStringList{"邮箱地址|去修改> #2", "更换手机号码|去修改> #3"}));
    }

    void securitySectionFollowsTheGesture()
    {
        QCOMPARE(describe(SettingRows::securitySection(true)),
                 (QStringList{"登录密码|去修改> #4", "手势密码|去修改> #5", "手势密码| [on] #0"}));
        QCOMPARE(describe(SettingRows::securitySection(false)),
                 (QStringList{"登录密码|去修改> #4", "手势密码| [off] #0"}));
        QCOMPARE(SettingRows::gestureTypeForSwitch(true), SettingRows::kGestureLoginType);
        QCOMPARE(SettingRows::gestureTypeForSwitch(false), SettingRows::kGestureSetType);
    }

    void changeSexSendsTheProfileBack_data()
    {
        QTest::addColumn<SettingRows::PickedSex>("picked");
        QTest::addColumn<QString>("xb");
        // clang-format off
        QTest::newRow("male is 1")   << SettingRows::PickedSex::Male << "1";
        QTest::newRow("female is 2") << SettingRows::PickedSex::Female << "2";
        // clang-format on
    }

    void changeSexSendsTheProfileBack()
    {
        QFETCH(SettingRows::PickedSex, picked);
        QFETCH(QString, xb);
        KhxxModel profile;
        profile.nickname = "澄宇";
        profile.birthday = "19880316";
        profile.sjhm = "13812345678";
        profile.yxdz = "wangcy@example.com";
        profile.xb = "0";
        QCOMPARE(SettingRows::changeSexParams("100001", profile, picked),
                 (QJsonObject{{"khbh", "100001"},
                              {"nickname", "澄宇"},
                              {"birthday", "19880316"},
                              {"txfjid", ""},
                              {"sjhm", "13812345678"},
                              {"gddh", ""},
                              {"yxdz", "wangcy@example.com"},
                              {"xb", xb}}));
    }
};

QTEST_APPLESS_MAIN(TestMessagesTexts)
#include "test_messages_texts.moc"

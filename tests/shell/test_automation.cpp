// The client driven through its automation protocol, one command at a time as QA scripts
// drive it: each answer is read and checked right after its own command.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAutomation final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        m_client.setProcessEnvironment(env);
        m_client.setWorkingDirectory(m_data.path());
        m_client.setStandardErrorFile(QProcess::nullDevice());
        m_client.start(CHENGLAN_CLIENT, {"--automation", "--data-dir", m_data.path()});
        QVERIFY(m_client.waitForStarted());
    }

    void answersEachCommand_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("answer"); // a pattern the compact answer must match
        // clang-format off
        QTest::newRow("waitFor-splash")           << R"({"cmd":"waitFor","text":"跳过广告","timeout":10000})"_ba << true << "";
        QTest::newRow("tap-by-text")              << R"({"cmd":"tap","text":"跳过广告"})"_ba << true << "";
        QTest::newRow("waitFor-by-name")          << R"({"cmd":"waitFor","objectName":"tabBar"})"_ba << true << "";
        QTest::newRow("waitFor-nothing-named")    << R"({"cmd":"waitFor"})"_ba << false << "needs a text or an objectName";
        QTest::newRow("waitFor-times-out")        << R"({"cmd":"waitFor","text":"never shown","timeout":100})"_ba << false << "timed out";
        QTest::newRow("type-on-a-button")         << R"({"cmd":"type","objectName":"callButton","text":"1"})"_ba << false << "not a text field";
        QTest::newRow("clear-on-a-button")        << R"({"cmd":"clear","objectName":"callButton"})"_ba << false << "not a text field";
        QTest::newRow("key-on-a-button")          << R"({"cmd":"key","objectName":"callButton","key":"Escape"})"_ba << false << "not a text field";
        QTest::newRow("key-unknown")              << R"({"cmd":"key","objectName":"callButton","key":"Bogus"})"_ba << false << "unknown key";
        QTest::newRow("key-padded")               << R"({"cmd":"key","objectName":"callButton","key":" Return"})"_ba << false << "unknown key";
        QTest::newRow("key-empty")                << R"({"cmd":"key","objectName":"callButton","key":""})"_ba << false << "unknown key";
        QTest::newRow("tap-opens-dialog")         << R"({"cmd":"tap","objectName":"callButton"})"_ba << true << "";
        QTest::newRow("dialog-lists-buttons")     << R"({"cmd":"dialog"})"_ba << true << R"("buttons":\["呼叫")";
        QTest::newRow("tapDialog")                << R"({"cmd":"tapDialog","button":"取消"})"_ba << true << "";
        QTest::newRow("tab")                      << R"({"cmd":"tab","slot":1})"_ba << true << "";
        QTest::newRow("wait")                     << R"({"cmd":"wait","ms":10})"_ba << true << "";
        QTest::newRow("waitFor-first-product")    << R"({"cmd":"waitFor","text":"澄岚·稳盈1号集合资金信托计划"})"_ba << true << "";
        QTest::newRow("dump-counts-rows")         << R"({"cmd":"dump"})"_ba << true << R"("tab":1,.*"rowCounts":\[10\])";
        QTest::newRow("tapRow-unknown-table")     << R"({"cmd":"tapRow","table":"nope","row":0})"_ba << false << "no visible list named";
        QTest::newRow("scrollTo-unknown-table")   << R"({"cmd":"scrollTo","table":"nope","row":0})"_ba << false << "no visible list named";
        QTest::newRow("loadMore-not-a-list")      << R"({"cmd":"loadMore","table":"tabBar"})"_ba << false << "not a list";
        QTest::newRow("drag-fractional")          << R"({"cmd":"drag","objectName":"tableView","points":[[100.4,400.6],[100,300.5],[100.2,100.7]]})"_ba << true << "";
        QTest::newRow("dump-after-drag")          << R"({"cmd":"dump"})"_ba << true << R"("rows":\[\{"row":[1-9])";
        QTest::newRow("drag-no-points")           << R"({"cmd":"drag","objectName":"tableView","points":[]})"_ba << false << "no points";
        QTest::newRow("drag-text-points")         << R"({"cmd":"drag","objectName":"tableView","points":[["1","2"]]})"_ba << false << "numbers";
        QTest::newRow("scrollTo-far-row")         << R"({"cmd":"scrollTo","table":"tableView","row":9})"_ba << true << R"("texts":\[".+")";
        QTest::newRow("dump-shows-far-row")       << R"({"cmd":"dump"})"_ba << true << R"(\{"row":9,)";
        QTest::newRow("scrollTo-past-the-end")    << R"({"cmd":"scrollTo","row":10})"_ba << false << "no row 10";
        QTest::newRow("scrollTo-no-section")      << R"({"cmd":"scrollTo","row":0,"section":1})"_ba << false << "no row 0 in section 1";
        QTest::newRow("open")                     << R"({"cmd":"open","screen":"QZViewController"})"_ba << true << "";
        QTest::newRow("tapRow-first-list")        << R"({"cmd":"tapRow","row":2})"_ba << true << "";
        QTest::newRow("dump-after-tapRow")        << R"({"cmd":"dump"})"_ba << true << R"("screen":"QZHelpViewController".*"title":"帮助中心")";
        QTest::newRow("session")                  << R"({"cmd":"session"})"_ba << true << R"("IsLogin":false)";
        QTest::newRow("screenshot")               << R"({"cmd":"screenshot","path":"shot.png"})"_ba << true << "shot.png";
        QTest::newRow("unknown-command")          << R"({"cmd":"nonsense"})"_ba << false << "unknown command";
        QTest::newRow("not-json")                 << "nonsense"_ba << false << "not a JSON object";
        // clang-format on
    }

    void answersEachCommand()
    {
        QFETCH(QByteArray, command);
        QFETCH(bool, ok);
        QFETCH(QString, answer);
        m_client.write(command + '\n');
        QTRY_VERIFY_WITH_TIMEOUT(m_client.canReadLine(), 20000);
        const QByteArray line = m_client.readLine().trimmed();
        QVERIFY2(QJsonDocument::fromJson(line).object().value("ok").toBool() == ok, line);
        QVERIFY2(QString::fromUtf8(line).contains(QRegularExpression(answer)), line);
    }

    // Every command above was answered once: the end of input leaves only the answer to
    // the `quit` it stands for.
    void endOfInputQuitsAfterOneAnswerEach()
    {
        m_client.closeWriteChannel();
        QVERIFY(m_client.waitForFinished(20000));
        QCOMPARE(m_client.exitCode(), 0);
        QCOMPARE(m_client.readAllStandardOutput(), QByteArray("{\"ok\":true}\n"));
    }

private:
    QTemporaryDir m_data;
    QProcess m_client;
};

QTEST_MAIN(TestAutomation)
#include "test_automation.moc"

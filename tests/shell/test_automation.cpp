// The client driven through its automation protocol, as QA scripts and the tour drive it.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestAutomation : public QObject
{
    Q_OBJECT

private slots:
    void scriptedSessionAnswersEachCommand()
    {
        QTemporaryDir data;
        const QString shot = data.filePath("tabs.png");
        const QList<QJsonObject> script = {
            {{"cmd", "waitFor"}, {"text", "跳过广告"}, {"timeout", 10000}},
            {{"cmd", "tap"}, {"text", "跳过广告"}},
            {{"cmd", "waitFor"}, {"objectName", "tabBar"}},
            {{"cmd", "tab"}, {"slot", 3}},
            {{"cmd", "dump"}},
            {{"cmd", "tap"}, {"objectName", "callButton"}},
            {{"cmd", "dialog"}},
            {{"cmd", "tapDialog"}, {"button", "取消"}},
            {{"cmd", "open"}, {"screen", "QZViewController"}},
            {{"cmd", "tapRow"}, {"row", 2}},
            {{"cmd", "dump"}},
            {{"cmd", "session"}},
            {{"cmd", "screenshot"}, {"path", shot}},
            {{"cmd", "nonsense"}},
            {{"cmd", "quit"}},
        };
        QByteArray input;
        for (const QJsonObject &command : script)
            input += QJsonDocument(command).toJson(QJsonDocument::Compact) + '\n';

        QProcess client;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        client.setProcessEnvironment(env);
        client.start(CHENGLAN_CLIENT, {"--automation", "--data-dir", data.path()});
        QVERIFY(client.waitForStarted());
        client.write(input);
        client.closeWriteChannel();
        QVERIFY(client.waitForFinished(60000));
        QCOMPARE(client.exitCode(), 0);

        QList<QJsonObject> answers;
        for (const QByteArray &line : client.readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty())
                answers.append(QJsonDocument::fromJson(line).object());
        QVERIFY2(answers.size() >= script.size(), qPrintable(QString::number(answers.size())));
        for (int i = 0; i < 13; ++i)
            QVERIFY2(
                answers.at(i).value("ok").toBool(),
                qPrintable(QString("step %1: %2")
                               .arg(i)
                               .arg(QString::fromUtf8(QJsonDocument(answers.at(i)).toJson()))));
        QCOMPARE(answers.at(4).value("tab").toInt(), 3);
        QCOMPARE(
            answers.at(6).value("dialog").toObject().value("buttons").toArray().first().toString(),
            QString("呼叫"));
        QCOMPARE(answers.at(10).value("screen").toString(), QString("QZHelpViewController"));
        QCOMPARE(answers.at(10).value("title").toString(), QString("帮助中心"));
        QCOMPARE(answers.at(11).value("IsLogin").toBool(), false);
        QVERIFY(QFile::exists(shot));
        QCOMPARE(answers.at(13).value("ok").toBool(), false);
        QVERIFY(answers.at(13).value("error").toString().contains("unknown command"));
    }
};

QTEST_MAIN(TestAutomation)
#include "test_automation.moc"

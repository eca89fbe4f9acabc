// A launch with a stored gesture, as a customer meets it: the splash, then the lock over
// the home page; the right drawing signs in again and leaves the home page with its tab bar.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestStartupLock final : public QObject
{
    Q_OBJECT

private slots:
    void drawingTheStoredGestureSignsInAndShowsTheTabBar()
    {
        QTemporaryDir data;
        QFile defaults(data.filePath("user-defaults.json"));
        QVERIFY(defaults.open(QIODevice::WriteOnly));
        defaults.write(QJsonDocument(QJsonObject{
                                         {"signin", QJsonObject{{"password", "abc123"},
                                                                {"type", "身份证"},
                                                                {"numberID", "310104198803162418"},
                                                                {"autoLogin", "YES"}}},
                                         {"gestureFinalSaveKey", "14789"},
                                     })
                           .toJson());
        defaults.close();

        QProcess client;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        client.setProcessEnvironment(env);
        client.setStandardErrorFile(QProcess::nullDevice());
        client.start(CHENGLAN_CLIENT, {"--automation", "--data-dir", data.path()});
        QVERIFY(client.waitForStarted());
        const QList<QByteArray> script{
            R"({"cmd":"waitFor","text":"跳过广告","timeout":10000})",
            R"({"cmd":"tap","text":"跳过广告"})",
            R"({"cmd":"waitFor","objectName":"circleView","timeout":5000})",
            R"({"cmd":"dump"})",
            R"({"cmd":"pattern","digits":"14789"})",
            R"({"cmd":"waitFor","text":"登录成功","timeout":5000})",
            R"({"cmd":"waitFor","objectName":"tabBar","timeout":5000})",
            R"({"cmd":"dump"})",
            R"({"cmd":"session"})",
        };
        QList<QJsonObject> answers;
        for (const QByteArray &command : script) {
            client.write(command + '\n');
            QTRY_VERIFY_WITH_TIMEOUT(client.canReadLine(), 20000);
            answers.append(QJsonDocument::fromJson(client.readLine()).object());
            QVERIFY2(answers.last().value("ok").toBool(), command);
        }
        QCOMPARE(answers.at(3).value("screen").toString(), QString("KVGestureViewController"));
        QVERIFY(answers.at(3).value("tabBarHidden").toBool());
        QCOMPARE(answers.at(7).value("screen").toString(), QString("QZHomePageViewController"));
        QVERIFY(!answers.at(7).value("tabBarHidden").toBool());
        QVERIFY(answers.at(8).value("IsLogin").toBool());
        client.closeWriteChannel();
        QVERIFY(client.waitForFinished(20000));
    }
};

QTEST_MAIN(TestStartupLock)
#include "test_startup_lock.moc"

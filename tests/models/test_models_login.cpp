#include "QZLoginModel.h"
#include "RecordMapper.h"

#include <QJsonObject>
#include <QMetaProperty>
#include <QTest>

// The customer record is filled by name from the sign-in answer: a renamed property would
// silently stay empty. The fields the client reads are pinned by name; the rest are carried
// as they come.
class TestModelsLogin : public QObject
{
    Q_OBJECT

private slots:
    void twentyNineTextFields()
    {
        const QMetaObject &meta = QZLoginModel::staticMetaObject;
        QCOMPARE(meta.propertyCount(), 29);
        for (int i = 0; i < meta.propertyCount(); ++i) {
            QCOMPARE(meta.property(i).metaType(), QMetaType::fromType<QString>());
            QVERIFY(meta.property(i).isWritable());
        }
    }

    void fieldsTheClientReadsFilledByName()
    {
        const QStringList fields{"khbh", "crmkhbh", "khlx", "khxm", "zjlx", "zjhm",
                                 "sjhm", "yxdz",    "khmm", "xb",   "khzt"};
        QJsonObject record{{"unknown", "ignored"}};
        for (const QString &field : fields)
            record.insert(field, field + "-value");
        const QZLoginModel c = RecordMapper::map<QZLoginModel>(record);
        const QStringList read{c.khbh, c.crmkhbh, c.khlx, c.khxm, c.zjlx, c.zjhm,
                               c.sjhm, c.yxdz,    c.khmm, c.xb,   c.khzt}; // as in fields
        for (qsizetype i = 0; i < fields.size(); ++i)
            QCOMPARE(read.at(i), fields.at(i) + "-value");
        // They come back out under the same names, beside the carried ones.
        const QJsonObject back = RecordMapper::toJson(c);
        QCOMPARE(back.size(), 29);
        for (const QString &field : fields)
            QCOMPARE(back.value(field), record.value(field));
    }
};

QTEST_APPLESS_MAIN(TestModelsLogin)
#include "test_models_login.moc"

#include "QZLoginModel.h"
#include "RecordMapper.h"

#include <QJsonObject>
#include <QMetaProperty>
#include <QTest>

// The customer record is filled by name from the sign-in answer and copied into the
// stored "myDic"; a renamed field would silently stay empty, so the names are pinned.
class TestModelsLogin : public QObject
{
    Q_OBJECT

private slots:
    void fieldsInOrder();
    void filledFromSignInRecord();
};

namespace {

const QStringList kFields = {
    "gddh",   "zjhm",   "khbh",   "system_type", "cz",   "txdz", "khlx",   "khmm",
    "xb",     "txfjid", "khxm",   "yzbm",        "shzt", "jyfw", "srzmid", "khzt",
    "sfzmid", "gj",     "zjfzjg", "crmkhbh",     "yxdz", "zcsj", "hy",     "khzh",
    "zjlx",   "takhbh", "sjhm",   "zjyxq",       "zy",
};

} // namespace

void TestModelsLogin::fieldsInOrder()
{
    const QMetaObject &meta = QZLoginModel::staticMetaObject;
    QStringList names;
    for (int i = 0; i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        QCOMPARE(property.metaType(), QMetaType::fromType<QString>());
        QVERIFY(property.isWritable());
        names.append(QString::fromLatin1(property.name()));
    }
    QCOMPARE(names.size(), 29);
    QCOMPARE(names, kFields);
}

void TestModelsLogin::filledFromSignInRecord()
{
    QJsonObject record;
    for (const QString &field : kFields)
        record.insert(field, field + QStringLiteral("-value"));
    record.insert("unknown", "ignored");
    const QZLoginModel customer = RecordMapper::map<QZLoginModel>(record);
    const QJsonObject back = RecordMapper::toJson(customer);
    QCOMPARE(back.size(), 29);
    for (const QString &field : kFields)
        QCOMPARE(back.value(field).toString(), field + QStringLiteral("-value"));
    QCOMPARE(customer.khbh, QStringLiteral("khbh-value"));
    QCOMPARE(customer.crmkhbh, QStringLiteral("crmkhbh-value"));
}

QTEST_APPLESS_MAIN(TestModelsLogin)
#include "test_models_login.moc"

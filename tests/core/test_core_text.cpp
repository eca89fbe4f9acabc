#include "TextValue.h"
#include <QTest>
class TestCoreText : public QObject { Q_OBJECT private slots: void smoke() { QCOMPARE(TextValue::intValue("4a"), 4); } };
QTEST_APPLESS_MAIN(TestCoreText)
#include "test_core_text.moc"

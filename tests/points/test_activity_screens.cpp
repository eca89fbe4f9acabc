#include <QTest>
class TestActivityScreens final : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(TestActivityScreens)
#include "test_activity_screens.moc"

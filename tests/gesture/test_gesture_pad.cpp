// The pattern pad's logic on its own: geometry, the finger's path, the pattern string, the
// evaluation in each mode and the red second after a mistake. No window is involved.
#include "CircleLayout.h"
#include "GesturePad.h"
#include "SessionStore.h"
#include "UserDefaults.h"
#include "WNCircleViewConst.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <numbers>

namespace {

const QSizeF kPhone(320, 568);
constexpr qreal kPi = std::numbers::pi;

struct Call
{
    QString operation;
    CircleViewType type = CircleViewType::Setting;
    QString gesture;
    bool result = false;
    QList<int> selectedTags; // circles in state 2 or 4 at the time of the call
};

// Remembers every call, and what the pad showed at that moment.
class RecordingDelegate : public QObject, public CircleViewDelegate
{
public:
    QList<Call> calls;
    std::function<void(GesturePad *)> onCall;

    void connectCirclesLessThanNeedWithGesture(GesturePad *pad, CircleViewType type,
                                               const QString &gesture) override
    {
        record(pad, "lessThanNeed", type, gesture);
    }
    void didCompleteSetFirstGesture(GesturePad *pad, CircleViewType type,
                                    const QString &gesture) override
    {
        record(pad, "first", type, gesture);
    }
    void didCompleteSetSecondGesture(GesturePad *pad, CircleViewType type, const QString &gesture,
                                     bool equal) override
    {
        record(pad, "second", type, gesture, equal);
    }
    void didCompleteLoginGesture(GesturePad *pad, CircleViewType type, const QString &gesture,
                                 bool success) override
    {
        record(pad, "login", type, gesture, success);
    }

private:
    void record(GesturePad *pad, const QString &operation, CircleViewType type,
                const QString &gesture, bool result = false)
    {
        Call call;
        call.operation = operation;
        call.type = type;
        call.gesture = gesture;
        call.result = result;
        for (const GestureCircle &c : pad->circles()) {
            if (c.state == CircleState::Selected || c.state == CircleState::LastOneSelected)
                call.selectedTags.append(c.tag);
        }
        calls.append(call);
        if (onCall)
            onCall(pad);
    }
};

// Press on the first circle, move straight to each following one, and let go.
void draw(GesturePad &pad, const QString &digits)
{
    pad.touchesBegan(pad.centerOfCircle(digits.front().digitValue()));
    for (const QChar d : digits.mid(1))
        pad.touchesMoved(pad.centerOfCircle(d.digitValue()));
    pad.touchesEnded();
}

void press(GesturePad &pad, const QString &digits)
{
    pad.touchesBegan(pad.centerOfCircle(digits.front().digitValue()));
    for (const QChar d : digits.mid(1))
        pad.touchesMoved(pad.centerOfCircle(d.digitValue()));
}

QList<CircleState> statesOf(const GesturePad &pad)
{
    QList<CircleState> states;
    for (int index : pad.circleSet())
        states.append(pad.circles().at(index).state);
    return states;
}

std::optional<QString> stored(const QString &key)
{
    return WNCircleViewConst::getGestureWithKey(key);
}

const QString &one()
{
    return WNCircleViewConst::gestureOneSaveKey();
}

const QString & final()
{
    return WNCircleViewConst::gestureFinalSaveKey();
}

} // namespace

class TestGesturePad : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        UserDefaults::standard().open(m_dir->filePath("user-defaults.json"));
    }

    void preparationOfThePlainPad()
    {
        GesturePad pad(kPhone);
        QCOMPARE(pad.frame().size(), QSizeF(260, 260));
        QCOMPARE(pad.center(), QPointF(160, 568.0 * 3 / 5));
        QCOMPARE(pad.type(), CircleViewType::Setting);
        QVERIFY(pad.clip());
        QVERIFY(!pad.arrow());
        QCOMPARE(pad.circles().size(), 9);
        for (int i = 0; i < 9; ++i) {
            const GestureCircle &c = pad.circles().at(i);
            QCOMPARE(c.tag, i + 1);
            QCOMPARE(c.type, CircleType::Gesture);
            QVERIFY(!c.arrow); // the flag was handed out before the circles existed
            QCOMPARE(c.state, CircleState{0});
        }
        QVERIFY(pad.circleSet().isEmpty());
        QVERIFY(!pad.hasClean());
        QCOMPARE(pad.currentPoint(), QPointF());
    }

    void initialiserWithTypeHandsTheArrowToTheCircles()
    {
        GesturePad pad(CircleViewType::Login, false, true, kPhone);
        QCOMPARE(pad.type(), CircleViewType::Login);
        QVERIFY(!pad.clip());
        QVERIFY(!pad.arrow());
        for (const GestureCircle &c : pad.circles())
            QVERIFY(c.arrow);
    }

    void layoutOnTheNarrowPhone()
    {
        GesturePad pad(kPhone);
        const qreal s = 80.0 / 3;
        QCOMPARE(CircleLayout::padCircleSide(320), 60.0);
        QCOMPARE(CircleLayout::padSpacing(260, 320), s);
        QCOMPARE(pad.circles().at(0).frame, QRectF(s / 2, s / 2, 60, 60));
        QCOMPARE(pad.circles().at(5).frame, QRectF(s / 2 + 2 * (60 + s), s / 2 + (60 + s), 60, 60));
        QCOMPARE(pad.circles().at(8).frame,
                 QRectF(s / 2 + 2 * (60 + s), s / 2 + 2 * (60 + s), 60, 60));
        QCOMPARE(pad.centerOfCircle(5), QPointF(130, 130));
        QCOMPARE(pad.centerOfCircle(0), QPointF());
    }

    void layoutFollowsTheScreenWidth()
    {
        GesturePad pad(QSizeF(375, 667));
        const qreal d = 375.0 * 60 / 320;
        const qreal s = (315 - 3 * d) / 3;
        QCOMPARE(pad.frame().size(), QSizeF(315, 315));
        QCOMPARE(pad.circles().at(4).frame, QRectF(s / 2 + d + s, s / 2 + d + s, d, d));
        pad.setFrame(QRectF(0, 0, 300, 300));
        QCOMPARE(pad.circles().at(0).frame.topLeft(),
                 QPointF((300 - 3 * d) / 6, (300 - 3 * d) / 6));
    }

    void previewGeometry()
    {
        QCOMPARE(CircleLayout::infoCircleSide(320), 10.0);
        QCOMPARE(CircleLayout::infoSpacing(36, 320), 2.0);
        QCOMPARE(CircleLayout::circleFrame(0, 10, 2), QRectF(1, 1, 10, 10));
        QCOMPARE(CircleLayout::circleFrame(4, 10, 2), QRectF(13, 13, 10, 10));
        QCOMPARE(CircleLayout::circleFrame(8, 10, 2), QRectF(25, 25, 10, 10));
    }

    void patternStrings_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("down and along") << "14789"
                                        << "14789";
        QTest::newRow("1 to 3 takes 2") << "13"
                                        << "123";
        QTest::newRow("1 to 9 takes 5") << "19"
                                        << "159";
        QTest::newRow("3 to 7 takes 5") << "37"
                                        << "357";
        QTest::newRow("1 to 7 takes 4") << "17"
                                        << "147";
        QTest::newRow("9 to 1 takes 5") << "91"
                                        << "951";
        QTest::newRow("knight's move") << "16"
                                       << "16";
        QTest::newRow("knight's move down") << "18"
                                            << "18";
        QTest::newRow("middle already selected") << "213"
                                                 << "213";
        QTest::newRow("back over selected circles") << "12321"
                                                    << "123";
        QTest::newRow("around the edge") << "1397"
                                         << "1236987";
        // Back on 1, already selected: nothing is added, not even 4 on the way.
        QTest::newRow("around and back to the start") << "13971"
                                                      << "1236987";
        QTest::newRow("single circle") << "5"
                                       << "5";
    }

    void patternStrings()
    {
        QFETCH(QString, path);
        QFETCH(QString, pattern);
        GesturePad pad(kPhone);
        press(pad, path);
        QCOMPARE(pad.gesture(), pattern);
    }

    void anglesPointToTheNextCircle()
    {
        GesturePad pad(kPhone);
        press(pad, "134");
        const auto angle = [&](int tag) { return pad.circles().at(tag - 1).angle; };
        QCOMPARE(angle(1), kPi / 2); // to the right
        QCOMPARE(angle(2), kPi / 2); // the jumped circle takes the angle of the one before it
        // 3 to 4: left and down
        QCOMPARE(angle(3),
                 std::atan2(130 - 43.0 - 1.0 / 3, 43.0 + 1.0 / 3 - (216.0 + 2.0 / 3)) + kPi / 2);
        QCOMPARE(angle(4), 0.0); // the newest circle points nowhere yet
        QCOMPARE(angle(5), 0.0);

        GesturePad down(kPhone);
        press(down, "14");
        QCOMPARE(down.circles().at(0).angle, kPi);
    }

    void statesWhileSetting()
    {
        GesturePad pad(kPhone);
        press(pad, "123");
        QCOMPARE(statesOf(pad), (QList<CircleState>{CircleState::Selected, CircleState::Selected,
                                                    CircleState::LastOneSelected}));
        QVERIFY(pad.circles().at(4).state != CircleState::Selected);
    }

    void statesWhileLoggingIn_data()
    {
        QTest::addColumn<CircleViewType>("type");
        QTest::newRow("login") << CircleViewType::Login;
        QTest::newRow("verify") << CircleViewType::Verify;
    }

    void statesWhileLoggingIn()
    {
        QFETCH(CircleViewType, type);
        GesturePad pad(type, true, false, kPhone);
        press(pad, "123");
        QCOMPARE(statesOf(pad), QList<CircleState>(3, CircleState::LastOneSelected));
    }

    void looseEndFollowsTheFinger()
    {
        GesturePad pad(kPhone);
        pad.touchesBegan(pad.centerOfCircle(1));
        QCOMPARE(pad.currentPoint(), QPointF());
        QVERIFY(!pad.hasLooseEnd());
        pad.touchesMoved(QPointF(90, 50)); // between 1 and 2
        QCOMPARE(pad.currentPoint(), QPointF(90, 50));
        QVERIFY(pad.hasLooseEnd());
        QCOMPARE(pad.gesture(), QString("1"));
        pad.touchesMoved(QPointF(125, 40)); // inside 2
        QCOMPARE(pad.gesture(), QString("12"));
        QCOMPARE(pad.currentPoint(), QPointF(125, 40));
    }

    void fewerThanFourWhileSetting()
    {
        GesturePad pad(kPhone);
        RecordingDelegate delegate;
        pad.setDelegate(&delegate);
        QSignalSpy finished(&pad, &GesturePad::errorDisplayFinished);
        pad.touchesBegan(pad.centerOfCircle(1));
        pad.touchesMoved(pad.centerOfCircle(2));
        pad.touchesMoved(pad.centerOfCircle(3));
        pad.touchesMoved(QPointF(250, 250)); // the finger ends outside every circle
        pad.touchesEnded();

        QCOMPARE(delegate.calls.size(), 1);
        QCOMPARE(delegate.calls.first().operation, QString("lessThanNeed"));
        QCOMPARE(delegate.calls.first().type, CircleViewType::Setting);
        QCOMPARE(delegate.calls.first().gesture, QString("123"));
        QCOMPARE(statesOf(pad), (QList<CircleState>{CircleState::Error, CircleState::Error,
                                                    CircleState::LastOneError}));
        QVERIFY(pad.showsError());
        QVERIFY(!pad.hasLooseEnd()); // no line to the finger while red
        QVERIFY(!stored(one()));
        QVERIFY(!stored(final()));
        QVERIFY(!pad.hasClean());

        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 3000);
        QVERIFY(pad.circleSet().isEmpty());
        QVERIFY(pad.hasClean());
        for (const GestureCircle &c : pad.circles()) {
            QVERIFY(c.state != CircleState::Error && c.state != CircleState::LastOneError);
            QCOMPARE(c.angle, 0.0);
        }
    }

    void singleCircleInARedDrawing()
    {
        GesturePad pad(kPhone);
        draw(pad, "5");
        QCOMPARE(statesOf(pad), QList<CircleState>{CircleState::LastOneError});
        QCOMPARE(pad.getCircleState(), CircleState::LastOneError);
        QVERIFY(!pad.showsError()); // the line colour looks at state 3 only; there is no line
        QVERIFY(!pad.hasLooseEnd());
    }

    void liftingWithoutTouchingACircle_data()
    {
        QTest::addColumn<CircleViewType>("type");
        QTest::newRow("setting") << CircleViewType::Setting;
        QTest::newRow("login") << CircleViewType::Login;
    }

    void liftingWithoutTouchingACircle()
    {
        QFETCH(CircleViewType, type);
        GesturePad pad(type, true, false, kPhone);
        RecordingDelegate delegate;
        pad.setDelegate(&delegate);
        QSignalSpy redraws(&pad, &GesturePad::needsDisplay);
        pad.touchesBegan(QPointF(2, 2));
        pad.touchesMoved(QPointF(100, 2));
        pad.touchesEnded();
        QVERIFY(delegate.calls.isEmpty());
        QVERIFY(pad.gesture().isEmpty());
        QVERIFY(!stored(one()));
        QVERIFY(!stored(final()));
        QVERIFY(!pad.hasClean());
    }

    void firstDrawingIsStoredAndThePadResetsAtOnce()
    {
        GesturePad pad(kPhone);
        RecordingDelegate delegate;
        pad.setDelegate(&delegate);
        draw(pad, "1235");
        QCOMPARE(delegate.calls.size(), 1);
        const Call call = delegate.calls.first();
        QCOMPARE(call.operation, QString("first"));
        QCOMPARE(call.gesture, QString("1235"));
        // The holder still sees the drawing when it is told.
        QCOMPARE(call.selectedTags, (QList<int>{1, 2, 3, 5}));
        QCOMPARE(stored(one()), std::optional<QString>("1235"));
        QVERIFY(!stored(final()));
        QVERIFY(pad.circleSet().isEmpty());
        QVERIFY(pad.hasClean());
    }

    void confirmationEqual()
    {
        WNCircleViewConst::saveGesture(QString("1235"), one());
        GesturePad pad(kPhone);
        RecordingDelegate delegate;
        pad.setDelegate(&delegate);
        draw(pad, "1235");
        QCOMPARE(delegate.calls.size(), 1);
        QCOMPARE(delegate.calls.first().operation, QString("second"));
        QVERIFY(delegate.calls.first().result);
        QCOMPARE(stored(final()), std::optional<QString>("1235"));
        QCOMPARE(stored(one()), std::optional<QString>("1235"));
        QVERIFY(pad.circleSet().isEmpty());
    }

    void pendingFirstDrawingSurvivesAMismatch()
    {
        WNCircleViewConst::saveGesture(QString("1235"), one());
        GesturePad pad(kPhone);
        RecordingDelegate delegate;
        pad.setDelegate(&delegate);
        draw(pad, "1236");
        QCOMPARE(delegate.calls.size(), 1);
        QCOMPARE(delegate.calls.first().operation, QString("second"));
        QVERIFY(!delegate.calls.first().result);
        QCOMPARE(statesOf(pad).last(), CircleState::LastOneError);
        QVERIFY(pad.showsError());
        QCOMPARE(stored(one()), std::optional<QString>("1235"));
        QVERIFY(!stored(final()));

        draw(pad, "123"); // too short, still compared with nothing
        QCOMPARE(delegate.calls.last().operation, QString("lessThanNeed"));
        QCOMPARE(stored(one()), std::optional<QString>("1235"));

        draw(pad, "1235"); // the next drawing meets the same first one
        QCOMPARE(delegate.calls.last().operation, QString("second"));
        QVERIFY(delegate.calls.last().result);
        QCOMPARE(stored(final()), std::optional<QString>("1235"));
    }

    void shortStoredFirstDrawingIsNotPending()
    {
        WNCircleViewConst::saveGesture(QString("123"), one());
        GesturePad pad(kPhone);
        RecordingDelegate delegate;
        pad.setDelegate(&delegate);
        draw(pad, "14789");
        QCOMPARE(delegate.calls.first().operation, QString("first"));
        QCOMPARE(stored(one()), std::optional<QString>("14789"));
    }

    void unknownModeIsEvaluatedAsSetting()
    {
        GesturePad pad(CircleViewType{7}, true, false, kPhone);
        RecordingDelegate delegate;
        pad.setDelegate(&delegate);
        press(pad, "12");
        QCOMPARE(statesOf(pad),
                 (QList<CircleState>{CircleState::Selected, CircleState::LastOneSelected}));
        pad.touchesEnded();
        QCOMPARE(delegate.calls.first().operation, QString("lessThanNeed"));
        QCOMPARE(delegate.calls.first().type, CircleViewType{7});
    }

    void login_data()
    {
        QTest::addColumn<CircleViewType>("type");
        QTest::addColumn<QJsonValue>("storedGesture"); // undefined: absent
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<bool>("success");
        for (const auto &[mode, type] : {std::pair{"login", CircleViewType::Login},
                                         std::pair{"verify", CircleViewType::Verify}}) {
            const QByteArray m(mode);
            QTest::newRow(m + ", nothing stored")
                << type << QJsonValue(QJsonValue::Undefined) << "12" << true;
            QTest::newRow(m + ", empty stored") << type << QJsonValue("") << "14789" << true;
            QTest::newRow(m + ", not a string") << type << QJsonValue(5) << "14789" << true;
            QTest::newRow(m + ", right") << type << QJsonValue("14789") << "14789" << true;
            QTest::newRow(m + ", wrong") << type << QJsonValue("14789") << "1478" << false;
            QTest::newRow(m + ", longer") << type << QJsonValue("14789") << "147896" << false;
        }
    }

    void login()
    {
        QFETCH(CircleViewType, type);
        QFETCH(QJsonValue, storedGesture);
        QFETCH(QString, drawing);
        QFETCH(bool, success);
        if (!storedGesture.isUndefined())
            UserDefaults::standard().setObject(final(), storedGesture);
        GesturePad pad(type, true, false, kPhone);
        RecordingDelegate delegate;
        pad.setDelegate(&delegate);
        draw(pad, drawing);
        QCOMPARE(delegate.calls.size(), 1);
        QCOMPARE(delegate.calls.first().operation, QString("login"));
        QCOMPARE(delegate.calls.first().type, type);
        QCOMPARE(delegate.calls.first().gesture, drawing);
        QCOMPARE(delegate.calls.first().result, success);
        if (success) {
            QVERIFY(pad.circleSet().isEmpty());
        } else {
            QList<CircleState> red(drawing.size() - 1, CircleState::Error);
            red.append(CircleState::LastOneError);
            QCOMPARE(statesOf(pad), red);
            QVERIFY(pad.showsError());
        }
        QCOMPARE(UserDefaults::standard().objectForKey(final()),
                 storedGesture.isUndefined() ? QJsonValue(QJsonValue::Undefined) : storedGesture);
        QVERIFY(!stored(one()));
    }

    void delayedResetFindsThePadAlreadyClean()
    {
        WNCircleViewConst::saveGesture(QString("14789"), final());
        GesturePad pad(CircleViewType::Login, true, false, kPhone);
        QSignalSpy finished(&pad, &GesturePad::errorDisplayFinished);
        draw(pad, "7896");
        QVERIFY(pad.showsError());
        // A new touch during the red second starts afresh at once.
        press(pad, "12");
        QCOMPARE(pad.gesture(), QString("12"));
        QCOMPARE(statesOf(pad), QList<CircleState>(2, CircleState::LastOneSelected));
        QCOMPARE(pad.circles().at(6).state, CircleState::Normal);
        QVERIFY(pad.hasClean());
        // The reset that was waiting finds nothing to do: the new drawing stays.
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 3000);
        QCOMPARE(pad.gesture(), QString("12"));
        QCOMPARE(statesOf(pad), QList<CircleState>(2, CircleState::LastOneSelected));
    }

    void delayedResetAfterAFurtherMistakeEndsItEarly()
    {
        WNCircleViewConst::saveGesture(QString("14789"), final());
        GesturePad pad(CircleViewType::Login, true, false, kPhone);
        QList<QString> leftOver; // what the pad still showed as each red second ended
        connect(&pad, &GesturePad::errorDisplayFinished, this,
                [&]() { leftOver.append(pad.gesture()); });
        draw(pad, "7896");
        draw(pad, "3214");
        QCOMPARE(pad.gesture(), QString("3214"));
        // The first drawing's reset also ends the second one's red display.
        QTRY_COMPARE_WITH_TIMEOUT(leftOver.size(), 2, 3000);
        QCOMPARE(leftOver, (QList<QString>{"", ""}));
    }

    void cancelledDrawingLeavesNothingBehind()
    {
        GesturePad pad(CircleViewType::Login, true, false, kPhone);
        RecordingDelegate delegate;
        pad.setDelegate(&delegate);
        draw(pad, "14789"); // nothing stored: accepted, and the pad is clean
        QVERIFY(pad.hasClean());
        press(pad, "12"); // this touch is cancelled: no end ever comes
        QCOMPARE(pad.gesture(), QString("12"));
        draw(pad, "5698");
        QCOMPARE(delegate.calls.size(), 2);
        QCOMPARE(delegate.calls.last().gesture, QString("5698"));
        for (int tag : {1, 2})
            QVERIFY(pad.circles().at(tag - 1).state != CircleState::LastOneSelected);
    }

    void aDelegateThatHasGoneIsNotCalled()
    {
        GesturePad pad(kPhone);
        auto *delegate = new RecordingDelegate;
        pad.setDelegate(delegate);
        QCOMPARE(pad.delegate(), delegate);
        delete delegate;
        QVERIFY(!pad.delegate());
        draw(pad, "1235");
        QCOMPARE(stored(one()), std::optional<QString>("1235"));
    }

    void aDelegateMayLetThePadGo_data()
    {
        QTest::addColumn<CircleViewType>("type");
        QTest::addColumn<QString>("drawing");
        QTest::newRow("too short") << CircleViewType::Setting << "12";
        QTest::newRow("first") << CircleViewType::Setting << "1235";
        QTest::newRow("login") << CircleViewType::Login << "1235";
    }

    void aDelegateMayLetThePadGo()
    {
        QFETCH(CircleViewType, type);
        QFETCH(QString, drawing);
        WNCircleViewConst::saveGesture(QString("9999"), final());
        QPointer<GesturePad> pad = new GesturePad(type, true, false, kPhone);
        RecordingDelegate delegate;
        delegate.onCall = [](GesturePad *p) { delete p; };
        pad->setDelegate(&delegate);
        draw(*pad, drawing);
        QVERIFY(pad.isNull());
        QCOMPARE(delegate.calls.size(), 1);
    }

    void storeOfPatternStrings()
    {
        WNCircleViewConst::saveGesture(QString("14789"), final());
        QCOMPARE(stored(final()), std::optional<QString>("14789"));
        QCOMPARE(SessionStore::gestureFinal(), std::optional<QString>("14789"));
        // Written through at once: a second store on the same file sees it.
        UserDefaults::standard().open(UserDefaults::standard().filePath());
        QCOMPARE(stored(final()), std::optional<QString>("14789"));
        WNCircleViewConst::saveGesture(std::nullopt, final());
        QVERIFY(!stored(final()));
        QVERIFY(!UserDefaults::standard().toJson().contains(final()));
        QCOMPARE(one(), QString("gestureOneSaveKey"));
        QCOMPARE(final(), QString("gestureFinalSaveKey"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestGesturePad)
#include "test_gesture_pad.moc"

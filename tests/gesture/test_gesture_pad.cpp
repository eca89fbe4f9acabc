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
// The keys of the stored pattern strings.
const QString kOne = QStringLiteral("gestureOneSaveKey");
const QString kFinal = QStringLiteral("gestureFinalSaveKey");

// Remembers every call as "operation mode gesture [yes|no]", and which circles the pad
// showed selected at that moment.
class RecordingDelegate : public QObject, public CircleViewDelegate
{
public:
    QStringList calls;
    QList<QList<int>> shown;
    std::function<void(GesturePad *)> onCall;

    void connectCirclesLessThanNeedWithGesture(GesturePad *pad, CircleViewType type,
                                               const QString &gesture) override
    {
        record(pad, QStringLiteral("lessThanNeed %1 %2").arg(int(type)).arg(gesture));
    }
    void didCompleteSetFirstGesture(GesturePad *pad, CircleViewType type,
                                    const QString &gesture) override
    {
        record(pad, QStringLiteral("first %1 %2").arg(int(type)).arg(gesture));
    }
    void didCompleteSetSecondGesture(GesturePad *pad, CircleViewType type, const QString &gesture,
                                     bool equal) override
    {
        record(pad, QStringLiteral("second %1 %2 %3").arg(int(type)).arg(gesture, yesNo(equal)));
    }
    void didCompleteLoginGesture(GesturePad *pad, CircleViewType type, const QString &gesture,
                                 bool success) override
    {
        record(pad, QStringLiteral("login %1 %2 %3").arg(int(type)).arg(gesture, yesNo(success)));
    }
    static QString yesNo(bool yes) { return yes ? QStringLiteral("yes") : QStringLiteral("no"); }

private:
    void record(GesturePad *pad, const QString &call)
    {
        QList<int> tags;
        for (const GestureCircle &c : pad->circles()) {
            if (c.state == CircleState::Selected || c.state == CircleState::LastOneSelected)
                tags.append(c.tag);
        }
        calls.append(call);
        shown.append(tags);
        if (onCall)
            onCall(pad);
    }
};

// A pad (lines clipped, no triangles) whose delegate records its calls.
struct WatchedPad
{
    explicit WatchedPad(CircleViewType type = CircleViewType::Setting)
        : pad(type, true, false, kPhone)
    {
        pad.setDelegate(&delegate);
    }
    RecordingDelegate delegate;
    GesturePad pad;
};

// Press on the first circle and move straight to each following one.
void press(GesturePad &pad, const QString &digits)
{
    pad.touchesBegan(pad.centerOfCircle(digits.front().digitValue()));
    for (const QChar d : digits.mid(1))
        pad.touchesMoved(pad.centerOfCircle(d.digitValue()));
}

// The same, and let go.
void draw(GesturePad &pad, const QString &digits)
{
    press(pad, digits);
    pad.touchesEnded();
}

QList<CircleState> statesOf(const GesturePad &pad)
{
    QList<CircleState> states;
    for (int index : pad.circleSet())
        states.append(pad.circles().at(index).state);
    return states;
}

// Red all along, the last circle marked as such.
QList<CircleState> redStates(qsizetype count)
{
    QList<CircleState> red(count - 1, CircleState::Error);
    red.append(CircleState::LastOneError);
    return red;
}

std::optional<QString> stored(const QString &key)
{
    return WNCircleViewConst::getGestureWithKey(key);
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
        // clang-format off
        QTest::newRow("down and along") << "14789" << "14789";
        QTest::newRow("1 to 3 takes 2") << "13" << "123";
        QTest::newRow("1 to 9 takes 5") << "19" << "159";
        QTest::newRow("3 to 7 takes 5") << "37" << "357";
        QTest::newRow("1 to 7 takes 4") << "17" << "147";
        QTest::newRow("9 to 1 takes 5") << "91" << "951";
        QTest::newRow("knight's move") << "16" << "16";
        QTest::newRow("knight's move down") << "18" << "18";
        QTest::newRow("middle already selected") << "213" << "213";
        QTest::newRow("back over selected circles") << "12321" << "123";
        QTest::newRow("around the edge") << "1397" << "1236987";
        // Back on 1, already selected: nothing is added, not even 4 on the way.
        QTest::newRow("around and back to the start") << "13971" << "1236987";
        QTest::newRow("single circle") << "5" << "5";
        // clang-format on
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

    void statesWhileDrawing_data()
    {
        QTest::addColumn<CircleViewType>("type");
        QTest::addColumn<QList<CircleState>>("states");
        const auto selected = CircleState::Selected;
        const auto last = CircleState::LastOneSelected;
        // clang-format off
        QTest::newRow("setting: the newest is the last one") << CircleViewType::Setting << QList<CircleState>{selected, selected, last};
        QTest::newRow("login: every one is a last one") << CircleViewType::Login << QList<CircleState>{last, last, last};
        QTest::newRow("verify: as login") << CircleViewType::Verify << QList<CircleState>{last, last, last};
        QTest::newRow("unknown mode: as setting") << CircleViewType{7} << QList<CircleState>{selected, selected, last};
        // clang-format on
    }

    void statesWhileDrawing()
    {
        QFETCH(CircleViewType, type);
        QFETCH(QList<CircleState>, states);
        GesturePad pad(type, true, false, kPhone);
        press(pad, "123");
        QCOMPARE(statesOf(pad), states);
        QVERIFY(pad.circles().at(4).state != CircleState::Selected);
        QVERIFY(pad.circles().at(4).state != CircleState::LastOneSelected);
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
        WatchedPad watched;
        GesturePad &pad = watched.pad;
        pad.setErrorDisplayInterval(20);
        QSignalSpy finished(&pad, &GesturePad::errorDisplayFinished);
        press(pad, "123");
        pad.touchesMoved(QPointF(250, 250)); // the finger ends outside every circle
        pad.touchesEnded();

        QCOMPARE(watched.delegate.calls, QStringList{"lessThanNeed 1 123"});
        QCOMPARE(statesOf(pad), redStates(3));
        QVERIFY(pad.showsError());
        QVERIFY(!pad.hasLooseEnd()); // no line to the finger while red
        QVERIFY(!stored(kOne));
        QVERIFY(!stored(kFinal));
        QVERIFY(!pad.hasClean());

        // The red second is a fixed constant of the pad: this waits for it.
        QTRY_COMPARE(finished.size(), 1);
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
        QCOMPARE(statesOf(pad), redStates(1));
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
        WatchedPad watched(type);
        watched.pad.touchesBegan(QPointF(2, 2));
        watched.pad.touchesMoved(QPointF(100, 2));
        watched.pad.touchesEnded();
        QVERIFY(watched.delegate.calls.isEmpty());
        QVERIFY(watched.pad.gesture().isEmpty());
        QVERIFY(!stored(kOne));
        QVERIFY(!stored(kFinal));
        QVERIFY(!watched.pad.hasClean());
    }

    void firstDrawingIsStoredAndThePadResetsAtOnce()
    {
        WatchedPad watched;
        draw(watched.pad, "1235");
        QCOMPARE(watched.delegate.calls, QStringList{"first 1 1235"});
        // The holder still sees the drawing when it is told.
        QCOMPARE(watched.delegate.shown.first(), (QList<int>{1, 2, 3, 5}));
        QCOMPARE(stored(kOne), std::optional<QString>("1235"));
        QVERIFY(!stored(kFinal));
        QVERIFY(watched.pad.circleSet().isEmpty());
        QVERIFY(watched.pad.hasClean());
    }

    void pendingFirstDrawingSurvivesAMismatch()
    {
        WNCircleViewConst::saveGesture(QString("1235"), kOne);
        WatchedPad watched;
        GesturePad &pad = watched.pad;
        draw(pad, "1236");
        QCOMPARE(statesOf(pad), redStates(4));
        QVERIFY(pad.showsError());
        QCOMPARE(stored(kOne), std::optional<QString>("1235"));
        QVERIFY(!stored(kFinal));

        draw(pad, "123"); // too short, still compared with nothing
        QCOMPARE(stored(kOne), std::optional<QString>("1235"));

        draw(pad, "1235"); // the next drawing meets the same first one
        QCOMPARE(watched.delegate.calls,
                 (QStringList{"second 1 1236 no", "lessThanNeed 1 123", "second 1 1235 yes"}));
        QCOMPARE(stored(kFinal), std::optional<QString>("1235"));
        QCOMPARE(stored(kOne), std::optional<QString>("1235"));
        QVERIFY(pad.circleSet().isEmpty());
    }

    void shortStoredFirstDrawingIsNotPending()
    {
        WNCircleViewConst::saveGesture(QString("123"), kOne);
        WatchedPad watched;
        draw(watched.pad, "14789");
        QCOMPARE(watched.delegate.calls, QStringList{"first 1 14789"});
        QCOMPARE(stored(kOne), std::optional<QString>("14789"));
    }

    void unknownModeIsEvaluatedAsSetting()
    {
        WatchedPad watched(CircleViewType{7});
        draw(watched.pad, "12");
        QCOMPARE(watched.delegate.calls, QStringList{"lessThanNeed 7 12"});
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
            // clang-format off
            QTest::newRow(m + ", nothing stored") << type << QJsonValue(QJsonValue::Undefined) << "12" << true;
            QTest::newRow(m + ", empty stored") << type << QJsonValue("") << "14789" << true;
            QTest::newRow(m + ", not a string") << type << QJsonValue(5) << "14789" << true;
            QTest::newRow(m + ", right") << type << QJsonValue("14789") << "14789" << true;
            QTest::newRow(m + ", wrong") << type << QJsonValue("14789") << "1478" << false;
            QTest::newRow(m + ", longer") << type << QJsonValue("14789") << "147896" << false;
            // clang-format on
        }
    }

    void login()
    {
        QFETCH(CircleViewType, type);
        QFETCH(QJsonValue, storedGesture);
        QFETCH(QString, drawing);
        QFETCH(bool, success);
        if (!storedGesture.isUndefined())
            UserDefaults::standard().setObject(kFinal, storedGesture);
        WatchedPad watched(type);
        draw(watched.pad, drawing);
        QCOMPARE(watched.delegate.calls,
                 QStringList{QStringLiteral("login %1 %2 %3")
                                 .arg(int(type))
                                 .arg(drawing, RecordingDelegate::yesNo(success))});
        QCOMPARE(statesOf(watched.pad), success ? QList<CircleState>() : redStates(drawing.size()));
        QCOMPARE(watched.pad.showsError(), !success);
        QCOMPARE(UserDefaults::standard().objectForKey(kFinal), storedGesture);
        QVERIFY(!stored(kOne));
    }

    void delayedResetFindsThePadAlreadyClean()
    {
        WNCircleViewConst::saveGesture(QString("14789"), kFinal);
        GesturePad pad(CircleViewType::Login, true, false, kPhone);
        pad.setErrorDisplayInterval(20);
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
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(pad.gesture(), QString("12"));
        QCOMPARE(statesOf(pad), QList<CircleState>(2, CircleState::LastOneSelected));
    }

    void delayedResetAfterAFurtherMistakeEndsItEarly()
    {
        WNCircleViewConst::saveGesture(QString("14789"), kFinal);
        GesturePad pad(CircleViewType::Login, true, false, kPhone);
        pad.setErrorDisplayInterval(20);
        QList<QString> leftOver; // what the pad still showed as each red second ended
        connect(&pad, &GesturePad::errorDisplayFinished, this,
                [&]() { leftOver.append(pad.gesture()); });
        draw(pad, "7896");
        draw(pad, "3214");
        QCOMPARE(pad.gesture(), QString("3214"));
        // The first drawing's reset also ends the second one's red display.
        QTRY_COMPARE(leftOver.size(), 2);
        QCOMPARE(leftOver, (QList<QString>{"", ""}));
    }

    void cancelledDrawingLeavesNothingBehind()
    {
        WatchedPad watched(CircleViewType::Login);
        GesturePad &pad = watched.pad;
        draw(pad, "14789"); // nothing stored: accepted, and the pad is clean
        QVERIFY(pad.hasClean());
        press(pad, "12"); // this touch is cancelled: no end ever comes
        QCOMPARE(pad.gesture(), QString("12"));
        draw(pad, "5698");
        QCOMPARE(watched.delegate.calls, (QStringList{"login 2 14789 yes", "login 2 5698 yes"}));
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
        QCOMPARE(stored(kOne), std::optional<QString>("1235"));
    }

    void aDelegateMayLetThePadGo_data()
    {
        QTest::addColumn<CircleViewType>("type");
        QTest::addColumn<QString>("drawing");
        // clang-format off
        QTest::newRow("too short") << CircleViewType::Setting << "12";
        QTest::newRow("first") << CircleViewType::Setting << "1235";
        QTest::newRow("login") << CircleViewType::Login << "1235";
        // clang-format on
    }

    void aDelegateMayLetThePadGo()
    {
        QFETCH(CircleViewType, type);
        QFETCH(QString, drawing);
        WNCircleViewConst::saveGesture(QString("9999"), kFinal);
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
        QCOMPARE(WNCircleViewConst::gestureOneSaveKey(), kOne);
        QCOMPARE(WNCircleViewConst::gestureFinalSaveKey(), kFinal);
        WNCircleViewConst::saveGesture(QString("14789"), kFinal);
        QCOMPARE(SessionStore::gestureFinal(), std::optional<QString>("14789"));
        // Written through at once: a second store on the same file sees it.
        UserDefaults::standard().open(UserDefaults::standard().filePath());
        QCOMPARE(stored(kFinal), std::optional<QString>("14789"));
        WNCircleViewConst::saveGesture(std::nullopt, kFinal);
        QVERIFY(!stored(kFinal));
        QVERIFY(!UserDefaults::standard().toJson().contains(kFinal));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestGesturePad)
#include "test_gesture_pad.moc"

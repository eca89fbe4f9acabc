#pragma once

#include "OnFailure.h"
#include "ResponseEnvelope.h"

#include <QJsonObject>
#include <QPointer>
#include <functional>
#include <memory>

class QAbstractButton;
class RootViewController;

// An operation that changes the customer's data on the server: sign-in, booking,
// registration, a change of credentials, an activity registration. Unlike an enquiry, its
// answer is never dropped with the screen that sent it, because the session, the stored
// keys and the message to the customer must follow what the server did. The continuations
// get a Reply through which they reach the screen only while it is there. While an answer
// is awaited, further sends are refused, so a button tapped twice books once, and the button
// that sends waits visibly: disabled until the answer (or the failure) is in.
class ServerChange final
{
    Q_DISABLE_COPY_MOVE(ServerChange)

public:
    // Where the outcome goes: messages over the phone window, the screen only while it lives.
    class Reply final
    {
    public:
        Reply(RootViewController *screen, QWidget *window);
        template <class Screen> Screen *screen() const
        {
            return qobject_cast<Screen *>(m_screen.data());
        }
        void showToast(const QString &text, double seconds,
                       std::function<void()> completion = {}) const;
        void showAlert(const QString &message) const;
        // Where a screen goes once its change is done.
        enum class Leave
        {
            Back,  // the screen before it
            ToRoot // the root of its stack
        };
        // The toast; once it has gone, the screen leaves, if it is still on top.
        void leaveAfterToast(const QString &text, double seconds, Leave leave = Leave::Back) const;
        // The phone window, for messages of the screen's own; null once it has closed.
        QWidget *window() const { return m_window; }

    private:
        QPointer<RootViewController> m_screen;
        QPointer<QWidget> m_window;
    };
    using Answer = std::function<void(const Reply &, const ResponseEnvelope &)>;

    explicit ServerChange(RootViewController *screen);

    // The button that sends this change, given once; it is disabled while an answer is
    // awaited and, if it was enabled, enabled again before the answer is handled.
    void setButton(QAbstractButton *button);
    bool isPending() const { return m_state->pending; }
    // Sends unless an earlier change is still out; returns whether it was sent. The
    // failure's follow-up runs only while the screen lives; its alert is shown regardless.
    bool send(const QString &code, const QJsonObject &params, Answer onAnswer,
              OnFailure onFailure = {});
    // As send, with the flag checked: a refusal shows the server's prompt in the message
    // alert, and onSucceeded runs only for flag 1.
    bool sendAction(const QString &code, const QJsonObject &params, Answer onSucceeded,
                    OnFailure onFailure = {});

private:
    // Shared with the answer, which may come after this object has gone with its screen.
    struct State
    {
        bool pending = false;
        bool buttonWasEnabled = false;
        QPointer<QAbstractButton> button;
        void begin();
        void end();
    };

    QPointer<RootViewController> m_screen;
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

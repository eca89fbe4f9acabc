#include "ServerChange.h"

#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "GatewayClient.h"
#include "Request.h"
#include "RootViewController.h"
#include "Toast.h"

#include <QAbstractButton>

ServerChange::Reply::Reply(RootViewController *screen, QWidget *window)
    : m_screen(screen), m_window(window)
{
}

void ServerChange::Reply::showToast(const QString &text, double seconds,
                                    std::function<void()> completion) const
{
    if (m_window)
        Toast::showText(m_window, text, seconds, std::move(completion));
}

void ServerChange::Reply::showAlert(const QString &message) const
{
    if (m_window)
        AlertController::showMessage(m_window, message);
}

void ServerChange::Reply::leaveAfterToast(const QString &text, double seconds, Leave leave) const
{
    showToast(text, seconds, [screen = m_screen, leave]() {
        BaseNavigationViewController *nav = screen ? screen->navigationController() : nullptr;
        if (!nav || nav->topViewController() != screen)
            return;
        if (leave == Leave::ToRoot)
            nav->popToRootViewControllerAnimated(true);
        else
            nav->popViewControllerAnimated(true);
    });
}

ServerChange::ServerChange(RootViewController *screen) : m_screen(screen) {}

void ServerChange::setButton(QAbstractButton *button)
{
    m_state->button = button;
}

void ServerChange::State::begin()
{
    pending = true;
    buttonWasEnabled = button && button->isEnabled();
    if (button)
        button->setEnabled(false);
}

void ServerChange::State::end()
{
    pending = false;
    if (button && buttonWasEnabled)
        button->setEnabled(true);
}

bool ServerChange::send(const QString &code, const QJsonObject &params, Answer onAnswer,
                        OnFailure onFailure)
{
    if (m_state->pending || !m_screen)
        return false;
    m_state->begin();
    // The window outlives the screen; the answer is tied to it, not to the screen.
    QWidget *window = m_screen->window();
    const Reply reply(m_screen, window);
    auto state = m_state;
    GatewayClient::post(
        Request::getJsonStr(code, params), window,
        [reply, state, onAnswer = std::move(onAnswer)](const ResponseEnvelope &answer) {
            state->end();
            onAnswer(reply, answer);
        },
        [reply, state, onFailure = std::move(onFailure)](const QString &error) {
            state->end();
            if (const QString alert = onFailure.messageFor(error); !alert.isEmpty())
                reply.showAlert(alert);
            if (onFailure.then && reply.screen<RootViewController>())
                onFailure.then();
        });
    return true;
}

bool ServerChange::sendAction(const QString &code, const QJsonObject &params, Answer onSucceeded,
                              OnFailure onFailure)
{
    return send(
        code, params,
        [onSucceeded = std::move(onSucceeded)](const Reply &reply, const ResponseEnvelope &answer) {
            if (!answer.succeeded()) {
                reply.showAlert(OnFailure::refusal(answer.prompt()));
                return;
            }
            onSucceeded(reply, answer);
        },
        std::move(onFailure));
}

#pragma once

#include "QZActivityModel.h"

#include <QJsonObject>
#include <QString>

// The checks and requests of an activity registration ("166005") and of a questionnaire
// answer ("166018").
namespace ActivityForms {

// Places are left while `part_number` exceeds `joined_num` (integers; absent counts as 0).
bool hasPlacesLeft(const QString &part_number, const QString &joined_num);
QString placesFullMessage(); // "可参与人数已满，敬请期待下一次活动！"

// The registration form's checks in order; the first failing one's alert text, or empty when
// the registration may be sent. The name is not needed once telephone and number are given.
QString checkRegistration(const QString &name, const QString &phone, const QString &number,
                          const QString &part_number, const QString &joined_num);
QJsonObject registrationParams(const QZActivityModel &activity, const QString &khbh,
                               const QString &name, const QString &phone, const QString &number);

inline constexpr int kMaxAnswerLength = 500;
// "已输入：%ld/500".
QString answerCount(qsizetype length);
QString answerTooLongMessage(); // "字符个数不能大于500"
// The questionnaire's checks: an answer is needed; a telephone may be left out, but one given
// must hold a digit and at least 7 characters. The alert text, or empty to send.
QString checkQuestionnaire(const QString &answer, const QString &phone);
// khbh is empty for a visitor.
QJsonObject questionnaireParams(const QString &khbh, const QString &phone,
                                const QString &activityId, const QString &answer);

} // namespace ActivityForms

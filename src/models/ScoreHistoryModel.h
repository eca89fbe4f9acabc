#pragma once

#include <QMetaType>
#include <QString>

// One movement of the customer's points, as "170008" answers it.
class ScoreHistoryModel
{
    Q_GADGET
    Q_PROPERTY(QString w_point_from MEMBER w_point_from)
    Q_PROPERTY(QString w_rq MEMBER w_rq)
    Q_PROPERTY(QString w_cpmc MEMBER w_cpmc)
    Q_PROPERTY(QString w_jf MEMBER w_jf)
    Q_PROPERTY(QString w_point MEMBER w_point)
    Q_PROPERTY(QString w_amount MEMBER w_amount)
    Q_PROPERTY(QString w_yxjf MEMBER w_yxjf)
    Q_PROPERTY(QString w_dqrq MEMBER w_dqrq)
    Q_PROPERTY(QString rn MEMBER rn)

public:
    QString w_point_from;
    QString w_rq;
    QString w_cpmc;
    QString w_jf;
    QString w_point;
    QString w_amount;
    QString w_yxjf;
    QString w_dqrq;
    QString rn;
};

Q_DECLARE_METATYPE(ScoreHistoryModel)

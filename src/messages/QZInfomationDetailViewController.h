#pragma once

#include "QZInformationModel.h"
#include "RootViewController.h"

#include <QList>

namespace Ui {
class QZInfomationDetailViewController;
}

// "新闻详情": one article's headline, date, source and body. The news list hands the article
// over (`model`); the message list names it (`newsId`, `belongto` "我的消息") and the screen
// fetches it, its pictures then from the internal media endpoint.
class QZInfomationDetailViewController final : public RootViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZInfomationDetailViewController)
    Q_PROPERTY(QZInformationModel model READ model WRITE setModel)
    Q_PROPERTY(QString newsId READ newsId WRITE setNewsId)
    Q_PROPERTY(QString belongto READ belongto WRITE setBelongto)

public:
    explicit QZInfomationDetailViewController(QWidget *parent = nullptr);
    ~QZInfomationDetailViewController() override;

    QZInformationModel model() const { return m_model; }
    void setModel(const QZInformationModel &model) { m_model = model; }
    QString newsId() const { return m_newsId; }
    void setNewsId(const QString &newsId) { m_newsId = newsId; }
    QString belongto() const { return m_belongto; }
    void setBelongto(const QString &belongto) { m_belongto = belongto; }
    const QList<QZInformationModel> &myMessageArray() const { return m_myMessageArray; }

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void initData() override;

    bool isFromMessages() const;
    // The labels and the body, its pictures on the media server the article came through.
    void showArticle(const QZInformationModel &article, const QString &body);

    Ui::QZInfomationDetailViewController *m_ui;
    QZInformationModel m_model;
    QString m_newsId;
    QString m_belongto;
    QList<QZInformationModel> m_myMessageArray;
};

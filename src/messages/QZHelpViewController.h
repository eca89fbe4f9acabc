#pragma once

#include "RootViewController.h"

namespace Ui {
class QZHelpViewController;
}

// One answer of the help centre: the question as a heading, the answer as HTML.
class QZHelpViewController : public RootViewController
{
    Q_OBJECT
    Q_PROPERTY(QString string READ string WRITE setString)
    Q_PROPERTY(QString detailString READ detailString WRITE setDetailString)

public:
    explicit QZHelpViewController(QWidget *parent = nullptr);
    ~QZHelpViewController() override;

    QString string() const { return m_string; }
    void setString(const QString &question) { m_string = question; }
    QString detailString() const { return m_detailString; }
    void setDetailString(const QString &html) { m_detailString = html; }

    void LeftNavigationButtonClick() override;

protected:
    void initNav() override;
    void initUI() override;

private:
    Ui::QZHelpViewController *m_ui;
    QString m_string;
    QString m_detailString;
};

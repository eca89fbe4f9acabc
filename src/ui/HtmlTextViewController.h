#pragma once

#include "RootViewController.h"

class QLabel;
class WebView;

// A screen that shows a heading (`string`) over an HTML text (`detailString`) shipped with
// the client or handed over by its opener; its back button pops. Subclasses lay out the
// two widgets in their own .ui file and name the screen.
class HtmlTextViewController : public RootViewController
{
    Q_OBJECT
    Q_PROPERTY(QString string READ string WRITE setString)
    Q_PROPERTY(QString detailString READ detailString WRITE setDetailString)

public:
    HtmlTextViewController(const QString &screenTitle, QWidget *parent = nullptr);

    QString string() const { return m_string; }
    void setString(const QString &heading) { m_string = heading; }
    QString detailString() const { return m_detailString; }
    void setDetailString(const QString &html) { m_detailString = html; }

    void LeftNavigationButtonClick() override;

protected:
    // Called by subclasses once their .ui is set up; the heading label may be null.
    void attach(QLabel *headingLabel, WebView *webView);
    void initNav() override;
    void initUI() override;

private:
    QString m_screenTitle;
    QString m_string;
    QString m_detailString;
    QLabel *m_headingLabel = nullptr;
    WebView *m_webView = nullptr;
};

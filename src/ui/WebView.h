#pragma once

#include <QStackedWidget>
#include <QUrl>
#include <functional>

class QPdfDocument;
class QPdfView;
class QTextBrowser;
class WebTextBrowser;

// Shows HTML (a string, a page shipped with the client, or a remote page) or a PDF file.
// Remote pictures load through the image loader, only from the media hosts (or the remote
// page's own host), and are shown at most 320 points wide; nothing reaches a local file.
// There is no script engine; links go through the link handler first, so a screen can
// intercept them.
class WebView : public QStackedWidget
{
    Q_OBJECT

public:
    explicit WebView(QWidget *parent = nullptr);

    void loadHTMLString(const QString &html, const QUrl &baseUrl = QUrl());
    // A page shipped with the client, by name ("guide" → the resource "guide.html").
    void loadResourcePage(const QString &name);
    void loadRequest(const QUrl &url);
    void loadPdfFile(const QString &path);

    // Return true to stop the web view from following the link itself.
    void setLinkHandler(std::function<bool(const QUrl &)> handler)
    {
        m_linkHandler = std::move(handler);
    }

    bool canGoBack() const;
    void goBack();

    QString html() const;
    QString plainText() const;
    // The height the page takes at the view's width, for screens that size the view to it.
    int contentHeight() const;
    // Off where an outer scroll view moves the page.
    void setScrollEnabled(bool enabled);
    bool isShowingPdf() const;
    int pdfPageCount() const;
    // How large a document is shown against its page fitting the width (1.0).
    qreal pdfZoom() const { return m_pdfZoom; }
    // Ctrl + wheel and a pinch zoom a document between half and four times the width.
    void zoomPdf(qreal factor);

    static constexpr int kMaxImageWidth = 320;
    static constexpr qint64 kMaxPageBytes = 4 * 1024 * 1024;
    // A "data:" picture in a page: an icon, not a photograph.
    static constexpr qsizetype kMaxInlinePictureBytes = 64 * 1024;
    static bool isNetworkUrl(const QUrl &url);

signals:
    void loadFinished(bool ok);
    // The page's height changed: a new width, or pictures arriving.
    void contentHeightChanged(int height);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makePdfView();
    void followLink(const QUrl &url);
    void showHtml(const QString &html, const QUrl &baseUrl, bool remember);

    struct Page
    {
        QString html;
        QUrl baseUrl;
    };

    WebTextBrowser *m_browser;
    QPdfView *m_pdfView = nullptr; // with m_pdf, made for the first document
    QPdfDocument *m_pdf = nullptr;
    std::function<bool(const QUrl &)> m_linkHandler;
    QList<Page> m_history;
    qreal m_pdfZoom = 1.0;
};

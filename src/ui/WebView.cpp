#include "WebView.h"

#include "AppConfig.h"
#include "ImageLoader.h"
#include "KineticScrolling.h"

#include <QGestureEvent>
#include <QWheelEvent>
#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPdfDocument>
#include <QPdfView>
#include <QPointer>
#include <QTextBrowser>
#include <QTimer>

#include <cmath>

// A text browser whose remote pictures come from the image loader; each picture is
// added to the document when it arrives.
class WebTextBrowser : public QTextBrowser
{
public:
    explicit WebTextBrowser(QWidget *parent) : QTextBrowser(parent)
    {
        setOpenLinks(false);
        setFrameShape(QFrame::NoFrame);
        // Pictures arriving together cause one relayout, which takes them from the cache.
        m_rerender.setSingleShot(true);
        m_rerender.setInterval(30);
        connect(&m_rerender, &QTimer::timeout, this, [this]() { setHtml(m_html); });
    }

    void showPage(const QString &html, const QUrl &base)
    {
        m_html = html;
        m_base = base;
        m_pictures.clear();
        document()->setBaseUrl(base);
        setHtml(html);
    }

    QVariant loadResource(int type, const QUrl &name) override
    {
        const QUrl url = m_base.isValid() ? m_base.resolved(name) : name;
        // Pages come from the server: they may name the client's own resources, pictures on
        // the media hosts (or the page's own host) and small inline pictures, never a file
        // of the device. A refusal is an empty value, not a null one: on a null one the
        // document would read the name as a local file itself.
        if (url.scheme() == QLatin1String("qrc")) {
            const QVariant own = QTextBrowser::loadResource(type, url);
            if (own.isValid())
                return own;
        } else if (type == QTextDocument::ImageResource) {
            if (url.scheme() == QLatin1String("data"))
                return drawable(inlinePicture(url));
            if (mayFetch(url)) {
                // Kept by the page, not left to the shared cache, which may let it go
                // before the page is drawn again.
                const auto arrived = m_pictures.constFind(url);
                if (arrived != m_pictures.cend())
                    return *arrived;
                // Never narrower than the window: the page may not be laid out yet.
                const QSize cover(std::min(WebView::kMaxImageWidth,
                                           std::max(widthLimit(), window()->width())),
                                  1);
                const QImage cached = ImageLoader::shared()->cachedImage(url, cover);
                if (!cached.isNull())
                    return fitted(cached);
                ImageLoader::shared()->load(
                    url, this,
                    [this, url](const QImage &image) {
                        if (image.isNull())
                            return;
                        m_pictures.insert(url, fitted(image));
                        m_rerender.start();
                    },
                    cover);
            }
        }
        if (type == QTextDocument::ImageResource)
            return nothingToDraw();
        return QString();
    }

    // Pictures on the network come from the media hosts, or from the host of a page that
    // was itself fetched from the network.
    bool mayFetch(const QUrl &url) const
    {
        if (!WebView::isNetworkUrl(url))
            return false;
        const auto sameHost = [&url](const QUrl &other) {
            return WebView::isNetworkUrl(other) &&
                   other.host().compare(url.host(), Qt::CaseInsensitive) == 0 &&
                   other.port() == url.port();
        };
        return sameHost(QUrl(AppConfig::mediaBase())) ||
               sameHost(QUrl(AppConfig::internalMediaBase())) || sameHost(m_base);
    }

    static QImage inlinePicture(const QUrl &url)
    {
        const QByteArray text = url.toEncoded();
        if (text.size() > WebView::kMaxInlinePictureBytes)
            return QImage();
        const qsizetype comma = text.indexOf(',');
        if (comma < 0)
            return QImage();
        const QByteArray header = text.left(comma);
        const QByteArray payload = QByteArray::fromPercentEncoding(text.mid(comma + 1));
        return ImageLoader::decode(header.endsWith(";base64") ? QByteArray::fromBase64(payload)
                                                              : payload);
    }

    QImage drawable(const QImage &image) const
    {
        return image.isNull() ? nothingToDraw() : fitted(image);
    }

    // Not a null image, which the document would replace by a picture it loads itself.
    static QImage nothingToDraw()
    {
        QImage clear(1, 1, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        return clear;
    }

    int widthLimit() const
    {
        return std::min(WebView::kMaxImageWidth, std::max(1, viewport()->width() - 16));
    }

    QImage fitted(const QImage &image) const
    {
        const int limit = widthLimit();
        if (image.width() <= limit)
            return image;
        return image.scaledToWidth(limit, Qt::SmoothTransformation);
    }

private:
    QString m_html;
    QUrl m_base;
    QTimer m_rerender;
    QHash<QUrl, QImage> m_pictures; // those of this page that have arrived
};

WebView::WebView(QWidget *parent) : QStackedWidget(parent), m_browser(new WebTextBrowser(this))
{
    setObjectName(QStringLiteral("webView"));
    m_browser->setObjectName(QStringLiteral("webViewBrowser"));
    m_browser->setAccessibleName(QStringLiteral("正文"));
    addWidget(m_browser);
    KineticScrolling::enable(m_browser);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &WebView::followLink);
    connect(m_browser->document()->documentLayout(),
            &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this]() { emit contentHeightChanged(contentHeight()); });
}

// Made when a document is first shown: the PDF engine takes megabytes to start, and most
// web views only ever show HTML.
void WebView::makePdfView()
{
    if (m_pdfView)
        return;
    m_pdf = new QPdfDocument(this);
    m_pdfView = new QPdfView(this);
    m_pdfView->setObjectName(QStringLiteral("webViewPdf"));
    m_pdfView->setAccessibleName(QStringLiteral("文档"));
    m_pdfView->setDocument(m_pdf);
    m_pdfView->setPageMode(QPdfView::PageMode::MultiPage);
    m_pdfView->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    addWidget(m_pdfView);
    m_pdfView->viewport()->installEventFilter(this);
    m_pdfView->viewport()->grabGesture(Qt::PinchGesture);
    KineticScrolling::enable(m_pdfView);
}

void WebView::zoomPdf(qreal factor)
{
    if (pdfPageCount() == 0)
        return;
    m_pdfZoom = std::clamp(m_pdfZoom * factor, 0.5, 4.0);
    if (qFuzzyCompare(m_pdfZoom, 1.0)) {
        m_pdfView->setZoomMode(QPdfView::ZoomMode::FitToWidth);
        return;
    }
    // The factor that fits the width, as the view works it out, times the customer's zoom.
    const QMargins margins = m_pdfView->documentMargins();
    const qreal available = m_pdfView->viewport()->width() - margins.left() - margins.right();
    const qreal pageWidth = m_pdf->pagePointSize(0).width() * m_pdfView->logicalDpiX() / 72.0;
    m_pdfView->setZoomMode(QPdfView::ZoomMode::Custom);
    m_pdfView->setZoomFactor(available / pageWidth * m_pdfZoom);
}

bool WebView::eventFilter(QObject *watched, QEvent *event)
{
    if (m_pdfView && watched == m_pdfView->viewport()) {
        if (event->type() == QEvent::Wheel) {
            auto *wheel = static_cast<QWheelEvent *>(event);
            if (wheel->modifiers() & Qt::ControlModifier) {
                zoomPdf(std::pow(1.15, wheel->angleDelta().y() / 120.0));
                return true;
            }
        } else if (event->type() == QEvent::Gesture) {
            auto *gestures = static_cast<QGestureEvent *>(event);
            if (auto *pinch = static_cast<QPinchGesture *>(gestures->gesture(Qt::PinchGesture))) {
                zoomPdf(pinch->scaleFactor());
                return true;
            }
        }
    }
    return QStackedWidget::eventFilter(watched, event);
}

void WebView::showHtml(const QString &html, const QUrl &baseUrl, bool remember)
{
    if (remember)
        m_history.append({html, baseUrl});
    m_browser->showPage(html, baseUrl);
    setCurrentWidget(m_browser);
    emit loadFinished(true);
}

void WebView::loadHTMLString(const QString &html, const QUrl &baseUrl)
{
    showHtml(html, baseUrl, true);
}

void WebView::loadResourcePage(const QString &name)
{
    const QString file =
        name.endsWith(QLatin1String(".html")) ? name : name + QStringLiteral(".html");
    loadRequest(QUrl(QStringLiteral("qrc:/html/") + file));
}

bool WebView::isNetworkUrl(const QUrl &url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

void WebView::loadRequest(const QUrl &url)
{
    if (url.scheme() == QLatin1String("qrc")) {
        const QString path = QLatin1Char(':') + url.path();
        if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
            loadPdfFile(path);
            return;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            emit loadFinished(false);
            return;
        }
        showHtml(QString::fromUtf8(file.readAll()), url, true);
        return;
    }
    // Addresses come from the server: only pages on the network are fetched, never a file.
    if (!isNetworkUrl(url)) {
        emit loadFinished(false);
        return;
    }
    static QNetworkAccessManager *network = new QNetworkAccessManager;
    QNetworkReply *reply = network->get(QNetworkRequest(url));
    reply->setParent(this);
    // A page larger than any article is not read into memory.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxPageBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, url]() {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError) {
            emit loadFinished(false);
            return;
        }
        showHtml(QString::fromUtf8(reply->readAll()), url, true);
    });
}

void WebView::loadPdfFile(const QString &path)
{
    makePdfView();
    m_pdf->close();
    m_pdfZoom = 1.0;
    m_pdfView->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    const bool ok = m_pdf->load(path) == QPdfDocument::Error::None;
    setCurrentWidget(m_pdfView);
    emit loadFinished(ok);
}

void WebView::followLink(const QUrl &url)
{
    if (m_linkHandler && m_linkHandler(url))
        return;
    const QUrl base = m_history.isEmpty() ? QUrl() : m_history.last().baseUrl;
    const QUrl target = base.resolved(url);
    // A page from the network leads only to other pages on the network.
    if (isNetworkUrl(base) && !isNetworkUrl(target))
        return;
    loadRequest(target);
}

bool WebView::canGoBack() const
{
    return m_history.size() > 1;
}

void WebView::goBack()
{
    if (!canGoBack())
        return;
    m_history.removeLast();
    const Page page = m_history.last();
    showHtml(page.html, page.baseUrl, false);
}

QString WebView::html() const
{
    return m_history.isEmpty() ? QString() : m_history.last().html;
}

QString WebView::plainText() const
{
    return m_browser->toPlainText();
}

int WebView::contentHeight() const
{
    return int(std::ceil(m_browser->document()->size().height())) + 2 * m_browser->frameWidth();
}

void WebView::setScrollEnabled(bool enabled)
{
    const Qt::ScrollBarPolicy policy = enabled ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    m_browser->setVerticalScrollBarPolicy(policy);
    m_browser->setHorizontalScrollBarPolicy(policy);
}

bool WebView::isShowingPdf() const
{
    return m_pdfView && currentWidget() == m_pdfView;
}

int WebView::pdfPageCount() const
{
    return m_pdf ? m_pdf->pageCount() : 0;
}

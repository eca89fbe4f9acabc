// Remote pictures through the image loader, and the web view's pages, links and PDFs.
#include "AppConfig.h"
#include "ImageLoader.h"
#include "MediaUrl.h"
#include "RawHttpServer.h"
#include "TestGateway.h"
#include "WebView.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPdfView>
#include <QPdfWriter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWheelEvent>

class TestUiMedia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ImageLoader::shared()->setDiskCacheDirectory(m_cacheDir.path());
        const QStringList paths = m_gateway.gateway().mediaPaths();
        for (const QString &p : paths)
            if (p.endsWith(".png") && m_imagePath.isEmpty())
                m_imagePath = p;
        QVERIFY2(!m_imagePath.isEmpty(), "the demo media server has no picture");
        // The internal media host is a server of the test's own, answering with a picture.
        AppConfig::setInternalMediaBaseUrl(m_media.baseUrl());
        m_media.answerWith({200, png(QSize(kPicture, kPicture)), {}});
        m_otherHost.answerWith({200, png(QSize(kPicture, kPicture)), {}});
        QFile file(m_files.filePath("pic.png"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(png(QSize(kPicture, kPicture))) > 0);
        file.close();
        QFile css(m_files.filePath("page.css"));
        QVERIFY(css.open(QIODevice::WriteOnly) && css.write("p { font-size: 300px; }") > 0);
    }

    void secondLoadComesFromMemory()
    {
        ImageLoader *loader = ImageLoader::shared();
        loader->clearMemoryCache();
        const QUrl url(MediaUrl::forRelaPath(m_imagePath));
        const int downloadsBefore = loader->downloads();
        QImage first;
        loader->load(url, this, [&first](const QImage &image) { first = image; });
        QTRY_VERIFY(!first.isNull());
        QCOMPARE(loader->downloads(), downloadsBefore + 1);

        const int hitsBefore = loader->memoryHits();
        QImage second;
        loader->load(url, this, [&second](const QImage &image) { second = image; });
        QVERIFY(!second.isNull()); // answered at once
        QCOMPARE(loader->memoryHits(), hitsBefore + 1);
        QCOMPARE(loader->downloads(), downloadsBefore + 1);
    }

    void concurrentRequestsShareOneDownload()
    {
        ImageLoader *loader = ImageLoader::shared();
        loader->clearMemoryCache();
        const QUrl url(MediaUrl::forRelaPath(m_imagePath));
        const int before = loader->downloads();
        int answers = 0;
        loader->load(url, this, [&answers](const QImage &) { ++answers; });
        loader->load(url, this, [&answers](const QImage &) { ++answers; });
        QTRY_COMPARE(answers, 2);
        QCOMPARE(loader->downloads(), before + 1);
    }

    void reusedViewKeepsItsNewPicture()
    {
        QLabel view;
        view.resize(100, 60);
        ImageLoader::shared()->clearMemoryCache();
        const QUrl missing(MediaUrl::forRelaPath("no/such/picture.png"));
        const QUrl picture(MediaUrl::forRelaPath(m_imagePath));
        ImageLoader::shared()->loadInto(&view, picture);
        ImageLoader::shared()->loadInto(&view, missing); // reused before the first arrives
        // Once both downloads have answered, the view's own answers have come too.
        int answers = 0;
        for (const QUrl &url : {picture, missing})
            ImageLoader::shared()->load(url, this, [&answers](const QImage &) { ++answers; });
        QTRY_COMPARE(answers, 2);
        QVERIFY(view.pixmap().isNull());
    }

    // A picture in a view is kept at the size that covers the view, as the view is when
    // the picture arrives; asked for at its own size, it is decoded again.
    void pictureInAViewIsKeptAtTheViewsSize()
    {
        ImageLoader *loader = ImageLoader::shared();
        loader->clearMemoryCache();
        const QUrl url(m_media.baseUrl().toString() + "/in-a-view.png");
        QLabel view;
        view.resize(40, 20);
        loader->loadInto(&view, url);
        view.resize(50, 30); // laid out after asking
        QTRY_VERIFY(!view.pixmap().isNull());
        QCOMPARE(view.pixmap().size(), QSize(50, 50)); // a square covering 50 x 30
        QVERIFY(loader->cachedImage(url).isNull()); // not kept at its own size

        QLabel smaller;
        smaller.resize(30, 30);
        const int hits = loader->memoryHits();
        loader->loadInto(&smaller, url);
        QCOMPARE(loader->memoryHits(), hits + 1);
        QCOMPARE(smaller.pixmap().size(), QSize(30, 30));

        QImage own;
        loader->load(url, this, [&own](const QImage &image) { own = image; });
        QTRY_COMPARE(own.size(), QSize(kPicture, kPicture));
        QCOMPARE(loader->cachedImage(url).size(), QSize(kPicture, kPicture));
    }

    void missingPictureGivesANullImage()
    {
        bool answered = false;
        QImage image;
        ImageLoader::shared()->load(QUrl(MediaUrl::forRelaPath("no/such.png")), this,
                                    [&](const QImage &i) {
                                        answered = true;
                                        image = i;
                                    });
        QTRY_VERIFY(answered);
        QVERIFY(image.isNull());
    }

    // Pictures named by a record come over the network, never from a file of the device.
    void recordPicturesComeOnlyOverTheNetwork_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("loaded");
        // clang-format off
        QTest::newRow("media host")    << "{media}/record.png"                       << true;
        QTest::newRow("local file")    << "file://{files}/pic.png"                   << false;
        QTest::newRow("inline data")   << "data:image/png;base64,{base64}"           << false;
        QTest::newRow("ftp")           << "ftp://127.0.0.1/pic.png"                  << false;
        // clang-format on
    }

    void recordPicturesComeOnlyOverTheNetwork()
    {
        QFETCH(QString, url);
        QFETCH(bool, loaded);
        bool answered = false;
        QImage image;
        ImageLoader::shared()->load(QUrl(expanded(url)), this, [&](const QImage &i) {
            answered = true;
            image = i;
        });
        QTRY_VERIFY(answered);
        QCOMPARE(!image.isNull(), loaded);
    }

    // A hostile picture cannot take much: its download and its decoded size are bounded.
    void picturesHaveABoundedCost_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QSize>("size"); // invalid: refused
        const int side = ImageLoader::kMaxPictureSide;
        // clang-format off
        QTest::newRow("small")              << png(QSize(40, 20)) << QSize(40, 20);
        QTest::newRow("too many bytes")     << png(QSize(40, 20)) + QByteArray(ImageLoader::kMaxPictureBytes, '\0') << QSize();
        QTest::newRow("too wide, shrunk")   << png(QSize(2 * side, 10)) << QSize(side, 5);
        QTest::newRow("too tall, shrunk")   << png(QSize(8, 4 * side)) << QSize(2, side);
        // clang-format on
    }

    void picturesHaveABoundedCost()
    {
        QFETCH(QByteArray, body);
        QFETCH(QSize, size);
        RawHttpServer media;
        media.answerWith({200, body, {}});
        AppConfig::setInternalMediaBaseUrl(media.baseUrl());
        bool answered = false;
        QImage image;
        ImageLoader::shared()->load(
            QUrl(media.baseUrl().toString() + "/" + QTest::currentDataTag()), this,
            [&](const QImage &i) {
                answered = true;
                image = i;
            });
        QTRY_VERIFY(answered);
        AppConfig::setInternalMediaBaseUrl(m_media.baseUrl());
        QCOMPARE(image.isNull() ? QSize() : image.size(), size);
    }

    // Server HTML draws pictures from the media hosts and inline ones of a few kilobytes;
    // it never reaches a file of the device, whatever the address looks like.
    void pagePicturesComeOnlyFromTheMediaHosts_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<int>("downloads");
        QTest::addColumn<bool>("shown");
        // clang-format off
        QTest::newRow("media host")        << "<img src=\"{media}/page.png\">"                   << 1 << true;
        QTest::newRow("small inline data") << "<img src=\"data:image/png;base64,{base64}\">"     << 0 << true;
        QTest::newRow("large inline data") << "<img src=\"data:image/png;base64,{bigbase64}\">"  << 0 << false;
        QTest::newRow("another host")      << "<img src=\"{other}/page.png\">"                   << 0 << false;
        QTest::newRow("file url")          << "<img src=\"file://{files}/pic.png\">"             << 0 << false;
        QTest::newRow("absolute path")     << "<img src=\"{files}/pic.png\">"                    << 0 << false;
        QTest::newRow("relative path")     << "<img src=\"pic.png\">"                            << 0 << false;
        QTest::newRow("endless device")    << "<img src=\"file:///dev/zero\">"                   << 0 << false;
        QTest::newRow("ftp")               << "<img src=\"ftp://127.0.0.1/pic.png\">"            << 0 << false;
        QTest::newRow("local stylesheet")  << "<head><link rel=\"stylesheet\" type=\"text/css\" href=\"file://{files}/page.css\"></head><p>正文</p>" << 0 << false;
        // clang-format on
    }

    void pagePicturesComeOnlyFromTheMediaHosts()
    {
        QFETCH(QString, html);
        QFETCH(int, downloads);
        QFETCH(bool, shown);
        ImageLoader::shared()->clearMemoryCache();
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(m_files.path()); // where a relative path would lead
        WebView web;
        web.resize(320, 400);
        web.show();
        const int before = ImageLoader::shared()->downloads();
        web.loadHTMLString(expanded(html));
        const int height = web.contentHeight(); // lays the page out, asking for its pictures
        QDir::setCurrent(cwd);
        QCOMPARE(ImageLoader::shared()->downloads() - before, downloads);
        if (shown)
            QTRY_VERIFY(web.contentHeight() >= kPicture);
        else
            QVERIFY2(height < kPicture / 2, qPrintable(QString::number(height)));
    }

    // A picture wider than the page is kept at the page's width.
    void pagePictureKeptAtThePagesWidth()
    {
        RawHttpServer wide;
        wide.answerWith({200, png(QSize(4 * kPicture, 2 * kPicture)), {}});
        AppConfig::setInternalMediaBaseUrl(wide.baseUrl());
        ImageLoader::shared()->clearMemoryCache();
        WebView web;
        web.resize(320, 400);
        web.show();
        const QString url = wide.baseUrl().toString() + "/wide.png";
        web.loadHTMLString("<img src=\"" + url + "\">");
        web.contentHeight(); // lays the page out, asking for its picture
        QTRY_VERIFY(web.contentHeight() >= kPicture / 2);
        QVERIFY(ImageLoader::shared()->cachedImage(QUrl(url)).isNull()); // not at its own size
        const int height = web.contentHeight();
        QVERIFY2(height < kPicture, qPrintable(QString::number(height))); // 800 x 400 at 304 wide
        AppConfig::setInternalMediaBaseUrl(m_media.baseUrl());
    }

    void linksGoThroughTheHandlerFirst()
    {
        WebView web;
        web.resize(320, 400);
        QUrl seen;
        web.setLinkHandler([&seen](const QUrl &url) {
            seen = url;
            return url.toString().contains("jump");
        });
        web.loadHTMLString("<p><a href=\"chenglan://jump/register\">立即注册</a></p>");
        QVERIFY(web.plainText().contains("立即注册"));
        auto *browser = web.findChild<QTextBrowser *>();
        emit browser->anchorClicked(QUrl("chenglan://jump/register"));
        QCOMPARE(seen, QUrl("chenglan://jump/register"));
        QVERIFY(!web.canGoBack()); // intercepted: the page stays

        web.loadHTMLString("<p>第二页</p>");
        QVERIFY(web.canGoBack());
        web.goBack();
        QVERIFY(web.plainText().contains("立即注册"));
    }

    void showsAPdfFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("doc.pdf");
        {
            QPdfWriter writer(path);
            QPainter p(&writer);
            p.drawText(100, 100, "公告");
            writer.newPage();
            p.drawText(100, 100, "第二页");
        }
        WebView web;
        QSignalSpy finished(&web, &WebView::loadFinished);
        web.loadPdfFile(path);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        QVERIFY(web.isShowingPdf());
        QCOMPARE(web.pdfPageCount(), 2);
        // Ctrl + wheel zooms in from the page fitting the width, within bounds.
        web.resize(320, 480);
        QWidget *pages = web.findChild<QPdfView *>()->viewport();
        QWheelEvent wheel(QPointF(50, 50), pages->mapToGlobal(QPointF(50, 50)), {},
                          QPoint(0, 120 * 20), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(pages, &wheel);
        QCOMPARE(web.pdfZoom(), 4.0);
        QCOMPARE(web.findChild<QPdfView *>()->zoomMode(), QPdfView::ZoomMode::Custom);

        web.loadPdfFile(dir.filePath("missing.pdf"));
        QCOMPARE(finished.last().at(0).toBool(), false);
    }

private:
    static constexpr int kPicture = 200;

    static QByteArray png(const QSize &size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

    QString expanded(QString text) const
    {
        const QByteArray picture = png(QSize(kPicture, kPicture));
        return text.replace("{media}", m_media.baseUrl().toString())
            .replace("{other}", m_otherHost.baseUrl().toString())
            .replace("{files}", m_files.path())
            .replace("{base64}", picture.toBase64())
            .replace("{bigbase64}", (picture + QByteArray(256 * 1024, ' ')).toBase64());
    }

    RawHttpServer m_media;
    RawHttpServer m_otherHost;
    QTemporaryDir m_files;
    TestGateway m_gateway;
    QTemporaryDir m_cacheDir;
    QString m_imagePath;
};

QTEST_MAIN(TestUiMedia)
#include "test_ui_media.moc"

// Remote pictures through the image loader, and the web view's pages, links and PDFs.
#include "ImageLoader.h"
#include "MediaUrl.h"
#include "TestGateway.h"
#include "WebView.h"

#include <QLabel>
#include <QPainter>
#include <QApplication>
#include <QPdfView>
#include <QPdfWriter>
#include <QWheelEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

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
                          QPoint(0, 120 * 20), Qt::NoButton, Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(pages, &wheel);
        QCOMPARE(web.pdfZoom(), 4.0);
        QCOMPARE(web.findChild<QPdfView *>()->zoomMode(), QPdfView::ZoomMode::Custom);

        web.loadPdfFile(dir.filePath("missing.pdf"));
        QCOMPARE(finished.last().at(0).toBool(), false);
    }

private:
    TestGateway m_gateway;
    QTemporaryDir m_cacheDir;
    QString m_imagePath;
};

QTEST_MAIN(TestUiMedia)
#include "test_ui_media.moc"

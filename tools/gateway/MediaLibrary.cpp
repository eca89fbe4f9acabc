#include "MediaLibrary.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

namespace {

const QString kMediaPrefix = QStringLiteral("/upload/user/1/");

// The first field that names what a record's picture shows.
QString titleOf(const DemoStore::Record &r)
{
    for (const char *field : {"image_title", "ad_name", "lpmc", "activity_name", "title", "w_cpmc",
                              "loading_name", "attach_name"}) {
        const QString value = r.value(QLatin1String(field)).toString();
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("澄岚信托");
}

// Text needs fonts, and fonts need a GUI application; without one the pictures stay plain.
bool canDrawText()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

QSize pictureSize(const QString &relaPath)
{
    if (relaPath.startsWith(QLatin1String("splash/")))
        return {640, 1136};
    if (relaPath.startsWith(QLatin1String("gifts/")))
        return {400, 400};
    return {640, 320};
}

} // namespace

void MediaLibrary::add(const QString &relaPath, const QString &title)
{
    if (!relaPath.isEmpty() && !relaPath.contains(QLatin1String("..")) &&
        !m_titles.contains(relaPath))
        m_titles.insert(relaPath, title);
}

void MediaLibrary::rebuild(const DemoStore &store)
{
    m_titles.clear();
    m_cache.clear();
    static const QRegularExpression inHtml(QStringLiteral(R"(/upload/user/1/([^"'\s<>)]+))"));
    for (const QString &name : store.tableNames()) {
        for (const DemoStore::Record &r : store.table(name)) {
            add(r.value(QStringLiteral("rela_path")).toString(), titleOf(r));
            for (auto it = r.begin(); it != r.end(); ++it) {
                if (!it.value().isString() || !it.value().toString().contains(kMediaPrefix))
                    continue;
                auto matches = inHtml.globalMatch(it.value().toString());
                while (matches.hasNext())
                    add(matches.next().captured(1), titleOf(r));
            }
        }
    }
}

std::optional<MediaLibrary::File> MediaLibrary::file(const QString &relaPath)
{
    if (const File *cached = m_cache.object(relaPath))
        return *cached;
    const auto title = m_titles.constFind(relaPath);
    if (title == m_titles.cend())
        return std::nullopt;
    File file;
    // Every picture is served as PNG whatever its name says; image loaders sniff the bytes.
    if (relaPath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        file = {renderDocument(*title), "application/pdf"};
    else
        file = {renderPicture(relaPath, *title), "image/png"};
    m_cache.insert(relaPath, new File(file), qMax<qsizetype>(1, file.data.size()));
    return file;
}

QByteArray MediaLibrary::renderPicture(const QString &relaPath, const QString &title) const
{
    const QSize size = pictureSize(relaPath);
    QImage image(size, QImage::Format_RGB32);
    // Each path gets its own hue, so that neighbouring pictures are told apart at a glance.
    const int hue = int(qHash(relaPath, 0) % 360);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor::fromHsv(hue, 160, 230));
    gradient.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 200, 150));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawEllipse(QPoint(size.width() * 4 / 5, size.height() / 4), size.height() / 3,
                        size.height() / 3);
    painter.drawEllipse(QPoint(size.width() / 6, size.height() * 5 / 6), size.height() / 4,
                        size.height() / 4);
    if (canDrawText()) {
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setPixelSize(qMax(20, size.width() / 16));
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(image.rect().adjusted(24, 24, -24, -48),
                         Qt::AlignCenter | Qt::TextWordWrap, title);
        font.setPixelSize(qMax(14, size.width() / 32));
        font.setBold(false);
        painter.setFont(font);
        painter.drawText(image.rect().adjusted(16, 0, -16, -12), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("澄岚信托"));
    }
    painter.end();

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray MediaLibrary::renderDocument(const QString &title) const
{
    if (!canDrawText())
        return minimalPdf();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(96);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("澄岚信托"));
        QPainter painter(&writer);
        const QRect page = painter.viewport().adjusted(48, 48, -48, -48);
        QFont font = painter.font();
        font.setPixelSize(24);
        font.setBold(true);
        painter.setFont(font);
        QRect used;
        painter.drawText(page, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title, &used);
        font.setPixelSize(14);
        font.setBold(false);
        painter.setFont(font);
        const QString body =
            QStringLiteral("澄岚信托有限责任公司（以下简称“本公司”）作为本信托计划的受托人，"
                           "根据《中华人民共和国信托法》《信托公司集合资金信托计划管理办法》等法律"
                           "法规及信托文件的约定，"
                           "现将本信托计划的有关事项公告如下。\n\n"
                           "一、信托计划运行正常，信托财产按信托文件约定进行管理和运用。\n"
                           "二、本期信托利益已按约定分配至受益人指定账户。\n"
                           "三、如有疑问，请致电本公司客户服务热线。\n\n"
                           "特此公告。\n\n澄岚信托有限责任公司");
        painter.drawText(page.adjusted(0, used.height() + 32, 0, 0), Qt::TextWordWrap, body);
    }
    return bytes;
}

QByteArray MediaLibrary::minimalPdf()
{
    // One blank A4 page, with a cross-reference table a strict reader accepts.
    const QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>",
    };
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\n";
    pdf += "startxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

#include "NewsTexts.h"

#include "Formatting.h"
#include "TextValue.h"

#include <QRegularExpression>
#include <cmath>

namespace NewsTexts {
namespace {

// A numeric attribute of a tag: its name, then the value with or without quotes.
QRegularExpression attribute(const char *name)
{
    return QRegularExpression(
        QStringLiteral(R"((\s%1\s*=\s*)(["']?)(\d+(?:\.\d+)?)(px)?\2)").arg(QLatin1String(name)),
        QRegularExpression::CaseInsensitiveOption);
}

QString narrowedTag(QString tag, int maxWidth)
{
    static const QRegularExpression width = attribute("width");
    static const QRegularExpression height = attribute("height");
    const QRegularExpressionMatch w = width.match(tag);
    if (!w.hasMatch())
        return tag; // no width given: the web view fits the picture itself
    const double given = w.captured(3).toDouble();
    if (given <= maxWidth)
        return tag;
    const double scale = maxWidth / given;
    const QRegularExpressionMatch h = height.match(tag);
    if (h.hasMatch()) {
        const long scaled = std::lround(h.captured(3).toDouble() * scale);
        tag.replace(h.capturedStart(3), h.capturedLength(3), QString::number(scaled));
    }
    // The height comes first when it stands before the width; the width's place is read again.
    const QRegularExpressionMatch again = width.match(tag);
    return tag.replace(again.capturedStart(3), again.capturedLength(3), QString::number(maxWidth));
}

} // namespace

QString kindLabel(const QString &article_type)
{
    switch (TextValue::intValue(article_type)) {
    case 1:
        return QStringLiteral("公司新闻");
    case 2:
        return QStringLiteral("行业资讯");
    case 3:
        return QStringLiteral("研究分析");
    default:
        return QString();
    }
}

QString listDate(const QString &begin_time)
{
    return begin_time.size() == 8 ? Formatting::GetFormateDate(begin_time) : QString();
}

QString sourceText(const QString &source)
{
    return QStringLiteral("来源:") + source;
}

QString resizeImages(const QString &html, int maxWidth)
{
    static const QRegularExpression image(QStringLiteral(R"(<img\b[^>]*>)"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &m : image.globalMatch(html)) {
        out += QStringView(html).mid(done, m.capturedStart() - done);
        out += narrowedTag(m.captured(), maxWidth);
        done = m.capturedEnd();
    }
    out += QStringView(html).mid(done);
    return out;
}

} // namespace NewsTexts

#include "NewsTexts.h"

#include "Formatting.h"
#include "TextValue.h"

#include <QRegularExpression>

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
    if (!w.hasMatch() || w.captured(3).toDouble() <= maxWidth)
        return tag;
    // Without a size of its own the picture is fitted by the web view: never wider than the
    // maximum, nor than the view on a narrow phone, its proportions kept.
    tag.remove(width);
    return tag.remove(height);
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

#pragma once

#include <QString>

// What the company-news list and an article show for an article's fields.
namespace NewsTexts {

// Pictures in an article are never wider than this many points.
inline constexpr int kMaxImageWidth = 320;

// By the integer value of `article_type`: 1 "公司新闻", 2 "行业资讯", 3 "研究分析"; any other
// kind has no label.
QString kindLabel(const QString &article_type);
// The list's date: yyyy-MM-dd of an eight-character `begin_time`, nothing for any other length.
QString listDate(const QString &begin_time);
// "来源:%@".
QString sourceText(const QString &source);
// The article's ResizeImages: every picture whose width attribute is larger than maxWidth
// loses its width and height, so the web view fits it (at most 320 points, and never wider
// than the view); the rest of the page is left as it is.
QString resizeImages(const QString &html, int maxWidth = kMaxImageWidth);

} // namespace NewsTexts

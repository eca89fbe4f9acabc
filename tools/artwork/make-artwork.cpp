// make-artwork: paints every bitmap the phone client ships with and writes them as
// PNG files. One point of the 320 × 568 phone window is one pixel, so each image is
// drawn at exactly the size the screens show it.
//
//   make-artwork [output-directory]
//
// Without an argument the files go to resources/images of the source tree. Run it
// with QT_QPA_PLATFORM=offscreen; it needs the "Noto Sans CJK SC" font.

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTextStream>

#include <cmath>
#include <functional>

namespace {

// Palette of the client.
const QColor kBrand(0x05, 0x88, 0xe5);      // buttons, selected tab, icons
const QColor kBrandDark(0x04, 0x6c, 0xc0);  // gradient ends
const QColor kBrandLight(0x2a, 0xa4, 0xf4); // gradient starts
const QColor kGrey(0x8e, 0x8e, 0x93);       // unselected tab, secondary glyphs
const QColor kPale(0xef, 0xef, 0xef);       // list background
const QColor kHairline(0xd9, 0xd9, 0xd9);
const QColor kRed(0xe6, 0x43, 0x40);
const QColor kGreen(0x4c, 0xd9, 0x64);
const QColor kHotline(0x00, 0x94, 0xde); // colour of the "电话客服" button

const QString kCjkFamily = QStringLiteral("Noto Sans CJK SC");

QString g_outputDir;
int g_written = 0;
int g_scale = 1; // the pass being painted: 1, 2 or 3 device pixels a point

// A canvas of the given size in points; painters draw in points whatever the scale.
QImage canvas(int width, int height, const QColor &fill = Qt::transparent)
{
    QImage image(width * g_scale, height * g_scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(g_scale);
    image.fill(fill);
    return image;
}

void begin(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// Writes "name.png", or "name@2x.png" and "name@3x.png" in the sharper passes.
bool save(const QImage &image, const QString &pointName)
{
    QString name = pointName;
    if (g_scale > 1)
        name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(g_scale));
    const QString path = QDir(g_outputDir).filePath(name);
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        QTextStream(stderr) << "make-artwork: cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << name << "  " << image.width() << " x " << image.height() << '\n';
    ++g_written;
    return true;
}

QFont cjk(qreal pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font(kCjkFamily);
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPen strokePen(const QColor &color, qreal width)
{
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Runs `draw` with the painter mapped so that a square design grid of `grid` units
// fills `box`. Stroke widths passed to `draw` are in device pixels.
void inGrid(QPainter &p, const QRectF &box, qreal grid, const std::function<void(qreal unit)> &draw)
{
    p.save();
    p.translate(box.topLeft());
    const qreal s = box.width() / grid;
    p.scale(s, s);
    draw(1.0 / s); // one device pixel in grid units
    p.restore();
}

// ---------------------------------------------------------------------------
// Glyphs. Each is designed on a small square grid and scaled to the box given.

// House: roof, walls and a door. Grid 22.
void drawHouse(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{1.8, 10.6}, {11, 2.6}, {20.2, 10.6}}));
        p.drawPolyline(QPolygonF({{4.6, 8.4}, {4.6, 19.6}, {17.4, 19.6}, {17.4, 8.4}}));
        p.drawPolyline(QPolygonF({{9.0, 19.6}, {9.0, 13.8}, {13.0, 13.8}, {13.0, 19.6}}));
    });
}

// Briefcase with a small rising line on it, for the product tab. Grid 22.
void drawBriefcase(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(2.2, 6.6, 17.6, 13.2), 2.2, 2.2);
        p.drawPolyline(QPolygonF({{7.8, 6.6}, {7.8, 3.6}, {14.2, 3.6}, {14.2, 6.6}}));
        p.drawPolyline(QPolygonF({{5.6, 16.2}, {9.2, 12.6}, {11.8, 14.8}, {16.4, 10.2}}));
        p.drawPolyline(QPolygonF({{13.6, 10.2}, {16.4, 10.2}, {16.4, 13.0}}));
    });
}

// A page of news: a picture block, a few lines of text. Grid 22.
void drawNews(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3.0, 2.4, 16.0, 17.4), 2.0, 2.0);
        p.setBrush(c);
        p.drawRect(QRectF(6.4, 5.8, 4.2, 3.8));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(13.2, 6.2), QPointF(15.6, 6.2));
        p.drawLine(QPointF(13.2, 9.2), QPointF(15.6, 9.2));
        p.drawLine(QPointF(6.4, 12.8), QPointF(15.6, 12.8));
        p.drawLine(QPointF(6.4, 16.2), QPointF(15.6, 16.2));
    });
}

// Head and shoulders. Grid 22.
QPainterPath personShoulders()
{
    QPainterPath path;
    path.moveTo(3.6, 19.8);
    path.cubicTo(3.6, 15.4, 6.8, 12.8, 11.0, 12.8);
    path.cubicTo(15.2, 12.8, 18.4, 15.4, 18.4, 19.8);
    path.closeSubpath();
    return path;
}

void drawPerson(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(11.0, 7.0), 4.0, 4.0);
        p.drawPath(personShoulders());
    });
}

// A telephone handset, earpiece at the top left and mouthpiece at the bottom right,
// the handle bowing towards the bottom left. Returned normalised to fill `box`.
QPainterPath handsetPath(const QRectF &box)
{
    // Handle: a quarter circle around (17, 7).
    const QPointF centre(17.0, 7.0);
    const qreal radius = 10.5;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 180);
    arc.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 180, 90);
    QPainterPathStroker stroker;
    stroker.setWidth(4.6);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath shape = stroker.createStroke(arc);

    // Ear and mouth pieces bulge towards the inside of the bow.
    QPainterPath ear;
    ear.addRoundedRect(QRectF(4.3, 2.6, 7.4, 7.2), 2.0, 2.0);
    QPainterPath mouth;
    mouth.addRoundedRect(QRectF(14.2, 12.7, 7.2, 7.4), 2.0, 2.0);
    shape = shape.united(ear).united(mouth).simplified();

    const QRectF bounds = shape.boundingRect();
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(shape);
}

// Bell with a clapper. Grid 22.
void drawBell(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        QPainterPath body;
        body.moveTo(3.4, 16.4);
        body.quadTo(5.6, 14.8, 5.6, 12.2);
        body.lineTo(5.6, 9.6);
        body.cubicTo(5.6, 6.4, 8.0, 4.2, 11.0, 4.2);
        body.cubicTo(14.0, 4.2, 16.4, 6.4, 16.4, 9.6);
        body.lineTo(16.4, 12.2);
        body.quadTo(16.4, 14.8, 18.6, 16.4);
        body.closeSubpath();
        p.drawPath(body);
        p.drawLine(QPointF(11.0, 2.2), QPointF(11.0, 4.2));
        QPainterPath clapper;
        clapper.moveTo(8.8, 18.0);
        clapper.quadTo(11.0, 21.2, 13.2, 18.0);
        p.drawPath(clapper);
    });
}

// Speech bubble holding a question mark. Grid 22.
void drawHelpBubble(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(2.0, 3.0, 18.0, 13.0), 3.2, 3.2);
        QPainterPath tail;
        tail.moveTo(6.0, 15.0);
        tail.lineTo(5.6, 19.6);
        tail.lineTo(10.8, 15.0);
        tail.closeSubpath();
        p.drawPath(bubble.united(tail).simplified());
        QPainterPath mark;
        mark.moveTo(8.9, 7.8);
        mark.cubicTo(8.9, 6.2, 10.0, 5.6, 11.0, 5.6);
        mark.cubicTo(12.2, 5.6, 13.2, 6.4, 13.2, 7.6);
        mark.cubicTo(13.2, 9.2, 11.0, 9.4, 11.0, 11.2);
        p.drawPath(mark);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(11.0, 13.3), 0.95, 0.95);
    });
}

// Folder with a tab. Grid 28.
void drawFolder(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 28, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        QColor tint = c;
        tint.setAlphaF(0.12);
        p.setBrush(tint);
        QPainterPath folder;
        folder.moveTo(3.5, 7.5);
        folder.quadTo(3.5, 6.0, 5.0, 6.0);
        folder.lineTo(10.6, 6.0);
        folder.lineTo(13.0, 8.6);
        folder.lineTo(23.0, 8.6);
        folder.quadTo(24.5, 8.6, 24.5, 10.1);
        folder.lineTo(24.5, 21.0);
        folder.quadTo(24.5, 22.5, 23.0, 22.5);
        folder.lineTo(5.0, 22.5);
        folder.quadTo(3.5, 22.5, 3.5, 21.0);
        folder.closeSubpath();
        p.drawPath(folder);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(3.5, 12.2), QPointF(24.5, 12.2));
    });
}

// Cup of tea on a saucer, steam rising. Grid 28.
void drawTeaCup(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 28, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        QColor tint = c;
        tint.setAlphaF(0.12);
        p.setBrush(tint);
        QPainterPath cup;
        cup.moveTo(4.6, 11.4);
        cup.lineTo(19.4, 11.4);
        cup.lineTo(19.0, 16.6);
        cup.cubicTo(18.6, 20.6, 15.8, 22.6, 12.0, 22.6);
        cup.cubicTo(8.2, 22.6, 5.4, 20.6, 5.0, 16.6);
        cup.closeSubpath();
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        QPainterPath handle;
        handle.moveTo(19.3, 13.0);
        handle.cubicTo(23.8, 12.6, 24.2, 18.6, 18.6, 18.8);
        p.drawPath(handle);
        p.drawLine(QPointF(3.6, 25.2), QPointF(20.6, 25.2));
        QPainterPath steam;
        steam.moveTo(9.6, 8.8);
        steam.cubicTo(8.0, 7.2, 11.2, 5.6, 9.6, 3.4);
        steam.moveTo(14.4, 8.8);
        steam.cubicTo(12.8, 7.2, 16.0, 5.6, 14.4, 3.4);
        p.drawPath(steam);
    });
}

// An open door frame with an arrow leaving it. Grid 28.
void drawExit(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 28, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF(
            {{15.6, 8.6}, {15.6, 4.4}, {4.6, 4.4}, {4.6, 23.6}, {15.6, 23.6}, {15.6, 19.4}}));
        p.drawLine(QPointF(10.6, 14.0), QPointF(23.8, 14.0));
        p.drawPolyline(QPolygonF({{19.8, 10.0}, {23.8, 14.0}, {19.8, 18.0}}));
    });
}

// Framed landscape with a sun: "picture". Grid 40.
void drawPictureGlyph(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 40, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 6, 34, 28), 3.5, 3.5);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(27.5, 13.5), 3.0, 3.0);
        QPainterPath hills;
        hills.moveTo(6.5, 30.5);
        hills.lineTo(15.0, 19.0);
        hills.lineTo(21.0, 26.0);
        hills.lineTo(25.0, 22.0);
        hills.lineTo(33.5, 30.5);
        hills.closeSubpath();
        p.drawPath(hills);
    });
}

// The company mark: mountain ridges above drifting mist, the picture in the
// character 岚. Drawn white, design grid 100, meant for a blue ground.
void drawMark(QPainter &p, const QRectF &box, const QColor &c)
{
    inGrid(p, box, 100, [&](qreal) {
        p.setPen(Qt::NoPen);
        QColor far = c;
        far.setAlphaF(c.alphaF() * 0.55);
        p.setBrush(far);
        QPainterPath back;
        back.moveTo(44, 60);
        back.lineTo(64, 30);
        back.quadTo(66, 27, 68, 30);
        back.lineTo(88, 60);
        back.closeSubpath();
        p.drawPath(back);

        p.setBrush(c);
        QPainterPath front;
        front.moveTo(12, 60);
        front.lineTo(38, 20);
        front.quadTo(40, 17, 42, 20);
        front.lineTo(68, 60);
        front.closeSubpath();
        p.drawPath(front);

        // Mist: two soft strokes under the ridges.
        QPen mist(c, 5.5);
        mist.setCapStyle(Qt::RoundCap);
        p.setPen(mist);
        p.setBrush(Qt::NoBrush);
        QPainterPath wave1;
        wave1.moveTo(14, 70);
        wave1.cubicTo(26, 63, 36, 77, 50, 70);
        wave1.cubicTo(62, 64, 74, 76, 86, 69);
        p.drawPath(wave1);
        QColor light = c;
        light.setAlphaF(c.alphaF() * 0.7);
        mist.setColor(light);
        mist.setWidthF(4.5);
        p.setPen(mist);
        QPainterPath wave2;
        wave2.moveTo(26, 82);
        wave2.cubicTo(36, 76, 46, 88, 58, 82);
        wave2.cubicTo(66, 78, 72, 84, 76, 81);
        p.drawPath(wave2);
    });
}

void drawText(QPainter &p, const QRectF &rect, const QString &text, const QFont &font,
              const QColor &c, int flags = Qt::AlignCenter)
{
    p.setFont(font);
    p.setPen(c);
    p.drawText(rect, flags, text);
}

// Soft translucent discs used as decoration on blue grounds.
void drawBubbleDecor(QPainter &p, const QPointF &centre, qreal radius, qreal alpha)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, QColor(255, 255, 255, int(255 * alpha)));
    g.setColorAt(0.75, QColor(255, 255, 255, int(255 * alpha * 0.6)));
    g.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// ---------------------------------------------------------------------------
// Images.

// A tab's glyph, 22 points square: grey, or in the brand colour when its tab is selected.
QImage tabIcon(void (*glyph)(QPainter &, const QRectF &, const QColor &, qreal), bool selected)
{
    QImage image = canvas(22, 22);
    QPainter p(&image);
    begin(p);
    glyph(p, QRectF(0, 0, 22, 22), selected ? kBrand : kGrey, selected ? 1.7 : 1.5);
    return image;
}

// White disc with a grey rim; it lifts the call button above the bar.
QImage circleButton()
{
    QImage image = canvas(59, 59);
    QPainter p(&image);
    begin(p);
    p.setPen(QPen(kHairline, 1.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(29.5, 29.5), 28.9, 28.9);
    return image;
}

QImage callButton()
{
    QImage image = canvas(49, 49);
    QPainter p(&image);
    begin(p);
    QLinearGradient g(0, 0, 0, 49);
    g.setColorAt(0, kBrandLight);
    g.setColorAt(1, kBrand);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(24.5, 24.5), 24.4, 24.4);
    p.setBrush(Qt::white);
    p.drawPath(handsetPath(QRectF(13.5, 13.5, 22, 22)));
    return image;
}

// Small handset in a ring, shown beside "电话客服".
QImage hotlineIcon()
{
    QImage image = canvas(42, 42);
    QPainter p(&image);
    begin(p);
    p.setPen(QPen(kHotline, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(21, 21), 15.5, 15.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kHotline);
    p.drawPath(handsetPath(QRectF(13.5, 13.5, 15, 15)));
    return image;
}

QImage chevron(int width, int height, const QPolygonF &points, qreal lineWidth)
{
    QImage image = canvas(width, height);
    QPainter p(&image);
    begin(p);
    p.setPen(strokePen(Qt::white, lineWidth));
    p.drawPolyline(points);
    return image;
}

// Avatar of the gesture lock screen: a person in a blue disc (shown clipped to a
// circle on a white page).
QImage accountAvatar()
{
    QImage image = canvas(65, 65);
    QPainter p(&image);
    begin(p);
    QLinearGradient g(0, 0, 65, 65);
    g.setColorAt(0, kBrandLight);
    g.setColorAt(1, kBrandDark);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(0, 0, 65, 65));
    drawPerson(p, QRectF(14.5, 13.5, 36, 36), Qt::white, 2.4);
    return image;
}

// ---------------------------------------------------------------------------
// The home page's nine function buttons: a white glyph on a round tile of its own colour.

// A flame, for the hot products. Grid 22.
void drawFlame(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        QPainterPath flame;
        flame.moveTo(11.0, 20.0);
        flame.cubicTo(6.2, 20.0, 4.2, 16.6, 4.6, 13.4);
        flame.cubicTo(5.0, 10.2, 7.6, 8.6, 8.4, 5.8);
        flame.cubicTo(9.6, 7.0, 10.0, 8.6, 9.8, 10.0);
        flame.cubicTo(11.8, 8.4, 12.6, 5.2, 11.8, 2.2);
        flame.cubicTo(15.8, 4.6, 18.2, 9.0, 17.6, 13.6);
        flame.cubicTo(17.2, 17.4, 14.6, 20.0, 11.0, 20.0);
        p.drawPath(flame);
        QPainterPath core;
        core.moveTo(11.0, 17.6);
        core.cubicTo(9.0, 17.6, 8.2, 15.8, 8.8, 14.2);
        core.cubicTo(9.4, 12.8, 10.8, 12.2, 11.2, 10.6);
        core.cubicTo(13.2, 12.2, 14.0, 14.4, 13.2, 16.0);
        core.cubicTo(12.8, 17.0, 12.0, 17.6, 11.0, 17.6);
        p.drawPath(core);
    });
}

// A rising line over axes, for the securities trusts and their net values. Grid 22.
void drawChartGlyph(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{3.0, 3.0}, {3.0, 19.0}, {19.6, 19.0}}));
        p.drawPolyline(QPolygonF({{6.2, 14.8}, {10.0, 10.6}, {13.0, 13.2}, {18.0, 6.4}}));
        p.drawPolyline(QPolygonF({{14.8, 6.4}, {18.0, 6.4}, {18.0, 9.6}}));
    });
}

// An open book, for the user guide. Grid 22.
void drawBook(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        QPainterPath book;
        book.moveTo(11.0, 5.6);
        book.cubicTo(8.6, 4.0, 5.4, 3.8, 2.4, 4.6);
        book.lineTo(2.4, 17.8);
        book.cubicTo(5.4, 17.0, 8.6, 17.2, 11.0, 18.8);
        book.cubicTo(13.4, 17.2, 16.6, 17.0, 19.6, 17.8);
        book.lineTo(19.6, 4.6);
        book.cubicTo(16.6, 3.8, 13.4, 4.0, 11.0, 5.6);
        book.lineTo(11.0, 18.8);
        p.drawPath(book);
    });
}

// A graduation cap, for the trust classroom. Grid 22.
void drawCap(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF({{11.0, 3.6}, {21.0, 8.4}, {11.0, 13.2}, {1.0, 8.4}}));
        QPainterPath gown;
        gown.moveTo(5.4, 10.6);
        gown.lineTo(5.4, 15.0);
        gown.cubicTo(7.0, 17.2, 15.0, 17.2, 16.6, 15.0);
        gown.lineTo(16.6, 10.6);
        p.drawPath(gown);
        p.drawPolyline(QPolygonF({{21.0, 8.4}, {21.0, 14.2}}));
    });
}

// A form with a plus, for registration. Grid 22.
void drawRegisterGlyph(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(
            QPolygonF({{13.0, 19.4}, {4.4, 19.4}, {4.4, 2.6}, {17.6, 2.6}, {17.6, 11.4}}));
        p.drawLine(QPointF(7.6, 7.0), QPointF(14.4, 7.0));
        p.drawLine(QPointF(7.6, 10.6), QPointF(12.4, 10.6));
        p.drawLine(QPointF(17.6, 14.6), QPointF(17.6, 20.6));
        p.drawLine(QPointF(14.6, 17.6), QPointF(20.6, 17.6));
    });
}

// Two arrows passing each other, for online trading. Grid 22.
void drawExchange(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 22, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(3.0, 7.4), QPointF(18.6, 7.4));
        p.drawPolyline(QPolygonF({{14.6, 3.4}, {18.6, 7.4}, {14.6, 11.4}}));
        p.drawLine(QPointF(19.0, 14.6), QPointF(3.4, 14.6));
        p.drawPolyline(QPolygonF({{7.4, 10.6}, {3.4, 14.6}, {7.4, 18.6}}));
    });
}

// An empty tray: nothing to show yet. Grid 40.
void drawEmptyTray(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 40, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{5, 22}, {11, 9}, {29, 9}, {35, 22}}));
        p.drawPolyline(QPolygonF({{5, 22},
                                  {14, 22},
                                  {16, 26},
                                  {24, 26},
                                  {26, 22},
                                  {35, 22},
                                  {35, 32},
                                  {5, 32},
                                  {5, 22}}));
    });
}

// A cloud crossed out: the network did not answer. Grid 40.
void drawCloudOff(QPainter &p, const QRectF &box, const QColor &c, qreal lineWidth)
{
    inGrid(p, box, 40, [&](qreal px) {
        p.setPen(strokePen(c, lineWidth * px));
        p.setBrush(Qt::NoBrush);
        QPainterPath cloud;
        cloud.moveTo(11.0, 30.0);
        cloud.cubicTo(5.0, 30.0, 3.0, 25.0, 4.6, 21.4);
        cloud.cubicTo(5.8, 18.6, 8.4, 17.4, 10.8, 17.8);
        cloud.cubicTo(11.6, 11.6, 16.4, 8.0, 21.6, 8.6);
        cloud.cubicTo(26.4, 9.2, 29.8, 12.8, 30.4, 17.2);
        cloud.cubicTo(34.4, 17.4, 37.0, 20.6, 36.6, 24.2);
        cloud.cubicTo(36.2, 27.6, 33.6, 30.0, 30.0, 30.0);
        cloud.closeSubpath();
        p.drawPath(cloud);
        p.drawLine(QPointF(8.0, 6.0), QPointF(33.0, 35.0));
    });
}

using Glyph = void (*)(QPainter &, const QRectF &, const QColor &, qreal);

QImage homeTile(Glyph glyph, const QColor &colour)
{
    QImage image = canvas(46, 46);
    QPainter p(&image);
    begin(p);
    QLinearGradient g(0, 0, 46, 46);
    g.setColorAt(0, colour.lighter(118));
    g.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(0, 0, 46, 46));
    glyph(p, QRectF(11, 11, 24, 24), Qt::white, 2.0);
    return image;
}

QImage glyphImage(int size, void (*glyph)(QPainter &, const QRectF &, const QColor &, qreal),
                  const QColor &c, qreal lineWidth)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    begin(p);
    glyph(p, QRectF(0, 0, size, size), c, lineWidth);
    return image;
}

// The empty carousel: shown over the full width of the home page's banner when
// there is nothing to show.
QImage emptyBanner()
{
    QImage image = canvas(320, 167, QColor(0xf4, 0xf4, 0xf5));
    QPainter p(&image);
    begin(p);
    drawHelpBubble(p, QRectF(138, 44, 44, 44), QColor(0xc4, 0xc4, 0xc8), 2.2);
    drawText(p, QRectF(0, 96, 320, 22), QStringLiteral("精彩内容即将呈现"), cjk(13),
             QColor(0xa8, 0xa8, 0xad));
    return image;
}

// Radio mark of the date-range presets: empty when idle, ticked when chosen.
QImage checkMark(bool checked)
{
    QImage image = canvas(20, 20);
    QPainter p(&image);
    begin(p);
    if (checked) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBrand);
        p.drawEllipse(QPointF(10, 10), 9.2, 9.2);
        p.setPen(strokePen(Qt::white, 1.8));
        p.drawPolyline(QPolygonF({{5.7, 10.3}, {8.7, 13.2}, {14.4, 7.3}}));
    } else {
        p.setPen(QPen(QColor(0xc7, 0xc7, 0xcc), 1.3));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(10, 10), 8.6, 8.6);
    }
    return image;
}

QImage toggle(bool on)
{
    QImage image = canvas(51, 31);
    QPainter p(&image);
    begin(p);
    const QRectF track(0.75, 0.75, 49.5, 29.5);
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
    } else {
        p.setPen(QPen(QColor(0xe3, 0xe3, 0xe6), 1.5));
        p.setBrush(Qt::white);
    }
    p.drawRoundedRect(track, 14.75, 14.75);

    const QPointF knob(on ? 35.5 : 15.5, 15.5);
    const qreal r = 13.5;
    // Soft shadow under the knob.
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawEllipse(knob + QPointF(0, 1.0), r + i * 0.5, r + i * 0.5);
    }
    p.setPen(QPen(QColor(0, 0, 0, 22), 0.6));
    p.setBrush(Qt::white);
    p.drawEllipse(knob, r, r);
    return image;
}

// Header ground of the product and contract details: a calm blue gradient with a
// few light shapes, leaving the middle free for white figures.
QImage headerBackground()
{
    QImage image = canvas(320, 150);
    QPainter p(&image);
    begin(p);
    QLinearGradient g(0, 0, 320, 150);
    g.setColorAt(0, QColor(0x1a, 0x9b, 0xf0));
    g.setColorAt(1, QColor(0x05, 0x79, 0xd2));
    p.fillRect(image.rect(), g);
    drawBubbleDecor(p, QPointF(292, 18), 70, 0.10);
    drawBubbleDecor(p, QPointF(22, 150), 56, 0.08);
    drawBubbleDecor(p, QPointF(250, 140), 30, 0.06);

    // Two thin waves along the bottom.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1.2));
    QPainterPath w1;
    w1.moveTo(0, 128);
    w1.cubicTo(80, 110, 160, 146, 320, 120);
    p.drawPath(w1);
    p.setPen(QPen(QColor(255, 255, 255, 26), 1.0));
    QPainterPath w2;
    w2.moveTo(0, 140);
    w2.cubicTo(90, 126, 190, 156, 320, 134);
    p.drawPath(w2);
    return image;
}

QImage noPicture()
{
    QImage image = canvas(300, 200, kPale);
    QPainter p(&image);
    begin(p);
    drawPictureGlyph(p, QRectF(122, 56, 56, 56), QColor(0xc4, 0xc4, 0xc8), 2.2);
    drawText(p, QRectF(0, 118, 300, 24), QStringLiteral("暂无图片"), cjk(14),
             QColor(0xa8, 0xa8, 0xad));
    return image;
}

// Corner tag of a product row: sits in the top left corner of the cell, its lower
// right corner rounded, two characters written across it.
QImage badge(const QString &text, const QColor &c)
{
    QImage image = canvas(40, 40);
    QPainter p(&image);
    begin(p);
    QPainterPath tag;
    tag.moveTo(0, 0);
    tag.lineTo(40, 0);
    tag.lineTo(40, 12);
    tag.quadTo(40, 22, 30, 22);
    tag.lineTo(0, 22);
    tag.closeSubpath();
    QLinearGradient g(0, 0, 40, 22);
    g.setColorAt(0, c.lighter(110));
    g.setColorAt(1, c);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(tag);
    drawText(p, QRectF(0, 0, 38, 22), text, cjk(12, QFont::Bold), Qt::white);
    return image;
}

QImage remotePlaceholder()
{
    QImage image = canvas(320, 160, QColor(0xf4, 0xf4, 0xf5));
    QPainter p(&image);
    begin(p);
    const QColor faint(0xdc, 0xdc, 0xe0);
    drawMark(p, QRectF(138, 40, 44, 44), faint);
    drawText(p, QRectF(0, 88, 320, 30), QStringLiteral("澄岚信托"), cjk(18, QFont::Bold), faint);
    return image;
}

QImage logo()
{
    QImage image = canvas(120, 120);
    QPainter p(&image);
    begin(p);
    QLinearGradient g(0, 0, 120, 120);
    g.setColorAt(0, kBrandLight);
    g.setColorAt(1, kBrandDark);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, 116, 116), 26, 26);
    // A light sheen along the top edge.
    QLinearGradient sheen(0, 2, 0, 60);
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(QRectF(2, 2, 116, 116), 26, 26);
    drawMark(p, QRectF(14, 12, 92, 92), Qt::white);
    return image;
}

// Launch picture: the mark, the name and the motto on a calm blue ground.
QImage splash()
{
    QImage image = canvas(320, 548);
    QPainter p(&image);
    begin(p);
    QLinearGradient g(0, 0, 0, 548);
    g.setColorAt(0, QColor(0x22, 0xa2, 0xf3));
    g.setColorAt(0.55, QColor(0x07, 0x86, 0xe0));
    g.setColorAt(1, QColor(0x04, 0x62, 0xb4));
    p.fillRect(image.rect(), g);

    drawBubbleDecor(p, QPointF(300, 40), 130, 0.10);
    drawBubbleDecor(p, QPointF(10, 330), 90, 0.06);
    drawBubbleDecor(p, QPointF(260, 470), 70, 0.05);

    // Distant ridges along the bottom.
    p.setPen(Qt::NoPen);
    QPainterPath far;
    far.moveTo(0, 470);
    far.lineTo(70, 430);
    far.lineTo(120, 455);
    far.lineTo(200, 405);
    far.lineTo(270, 448);
    far.lineTo(320, 425);
    far.lineTo(320, 548);
    far.lineTo(0, 548);
    far.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(0, 500);
    near.cubicTo(80, 470, 150, 520, 220, 490);
    near.cubicTo(260, 474, 295, 482, 320, 490);
    near.lineTo(320, 548);
    near.lineTo(0, 548);
    near.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 24));
    p.drawPath(near);

    // The mark on a frosted rounded square.
    const QRectF tile(110, 150, 100, 100);
    p.setBrush(QColor(255, 255, 255, 38));
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    p.drawRoundedRect(tile, 24, 24);
    drawMark(p, tile.adjusted(10, 8, -10, -12), Qt::white);

    drawText(p, QRectF(0, 270, 320, 44), QStringLiteral("澄岚信托"), cjk(32, QFont::Bold),
             Qt::white);
    drawText(p, QRectF(0, 316, 320, 18), QStringLiteral("CHENGLAN TRUST"), cjk(11),
             QColor(255, 255, 255, 170));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    p.drawLine(QPointF(120, 348.5), QPointF(200, 348.5));
    drawText(p, QRectF(0, 358, 320, 24), QStringLiteral("稳健 · 专业 · 值得托付"), cjk(15),
             QColor(255, 255, 255, 225));
    return image;
}

// ---------------------------------------------------------------------------
// Holdings: section headers of the details, the special-transaction marks.

const QColor kOrange(0xff, 0x84, 0x00);
const QColor kArrowGrey(0xb4, 0xb4, 0xb9);

// Leading icon of a detail section: a list on a blue disc.
QImage sectionIcon()
{
    QImage image = canvas(18, 18);
    QPainter p(&image);
    begin(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBrand);
    p.drawEllipse(QPointF(9, 9), 8.6, 8.6);
    p.setPen(strokePen(Qt::white, 1.4));
    for (const qreal y : {5.8, 9.0, 12.2}) {
        p.drawPoint(QPointF(5.6, y));
        p.drawLine(QPointF(8.0, y), QPointF(12.6, y));
    }
    return image;
}

// The hairline under a section header, stretched to the screen's width.
QImage hairline()
{
    return canvas(320, 1, QColor(0xe5, 0xe5, 0xe5));
}

// The fold arrow of an expandable section: up while open, down while closed.
QImage foldArrow(bool up)
{
    QImage image = canvas(16, 16);
    QPainter p(&image);
    begin(p);
    p.setPen(strokePen(kArrowGrey, 1.8));
    p.drawPolyline(up ? QPolygonF({{3.5, 10.5}, {8, 6}, {12.5, 10.5}})
                      : QPolygonF({{3.5, 6}, {8, 10.5}, {12.5, 6}}));
    return image;
}

// A special transaction's kind in its list row: a transfer (two arrows) or a
// redemption (an arrow coming back), white on a coloured disc.
QImage tradeMark(bool transfer)
{
    QImage image = canvas(40, 40);
    QPainter p(&image);
    begin(p);
    p.setPen(Qt::NoPen);
    p.setBrush(transfer ? kOrange : QColor(0x2e, 0xb8, 0x8a));
    p.drawEllipse(QPointF(20, 20), 19.4, 19.4);
    if (transfer) {
        drawExchange(p, QRectF(9, 9, 22, 22), Qt::white, 2.0);
        return image;
    }
    p.setPen(strokePen(Qt::white, 2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath back;
    back.moveTo(27, 27);
    back.lineTo(27, 19);
    back.cubicTo(27, 14, 23, 13, 19, 13);
    back.lineTo(12, 13);
    p.drawPath(back);
    p.drawPolyline(QPolygonF({{16, 9}, {12, 13}, {16, 17}}));
    return image;
}

// The mark of a contract with special transactions in the bought list.
QImage specialTradeTag()
{
    QImage image = canvas(52, 18);
    QPainter p(&image);
    begin(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawRoundedRect(QRectF(0.5, 0.5, 51, 17), 3, 3);
    drawText(p, QRectF(0, 0, 52, 18), QStringLiteral("特殊交易"), cjk(11), Qt::white);
    return image;
}

bool paintAll()
{
    bool ok = true;
    const std::pair<const char *, void (*)(QPainter &, const QRectF &, const QColor &, qreal)>
        tabs[] = {
            {"home", drawHouse}, {"buy", drawBriefcase}, {"zx", drawNews}, {"zh", drawPerson}};
    for (const auto &[name, glyph] : tabs) {
        ok &= save(tabIcon(glyph, false), QStringLiteral("tab_%1.png").arg(QLatin1String(name)));
        ok &= save(tabIcon(glyph, true),
                   QStringLiteral("tab_%1_selected.png").arg(QLatin1String(name)));
    }
    ok &= save(circleButton(), QStringLiteral("circle.png"));
    ok &= save(callButton(), QStringLiteral("call.png"));
    ok &= save(hotlineIcon(), QStringLiteral("call(42).png"));

    ok &= save(chevron(13, 21, QPolygonF({{10.6, 2.2}, {2.6, 10.5}, {10.6, 18.8}}), 2.2),
               QStringLiteral("back.png"));
    ok &= save(chevron(20, 20, QPolygonF({{12.8, 3.4}, {6.2, 10.0}, {12.8, 16.6}}), 2.0),
               QStringLiteral("return.png"));

    ok &= save(accountAvatar(), QStringLiteral("account.png"));
    ok &= save(glyphImage(22, drawBell, Qt::white, 1.6), QStringLiteral("bell.png"));
    ok &= save(emptyBanner(), QStringLiteral("comment_gray.png"));
    ok &= save(glyphImage(28, drawFolder, kBrand, 1.8), QStringLiteral("folder.png"));
    ok &= save(glyphImage(28, drawTeaCup, kBrand, 1.8), QStringLiteral("tea.png"));
    ok &= save(glyphImage(28, drawExit, kBrand, 1.8), QStringLiteral("tc.png"));
    ok &= save(checkMark(true), QStringLiteral("check.png"));
    ok &= save(checkMark(false), QStringLiteral("check_01.png"));
    ok &= save(toggle(true), QStringLiteral("switch_on.png"));
    ok &= save(toggle(false), QStringLiteral("switch_off.png"));
    ok &= save(headerBackground(), QStringLiteral("background1.png"));
    ok &= save(noPicture(), QStringLiteral("zwtp.png"));

    ok &= save(badge(QStringLiteral("热销"), kRed), QStringLiteral("rexiao.png"));
    ok &= save(badge(QStringLiteral("预约"), kBrand), QStringLiteral("yuyue.png"));
    ok &= save(badge(QStringLiteral("售完"), QColor(0xa3, 0xa3, 0xa8)),
               QStringLiteral("shouwan.png"));

    const std::pair<Glyph, QColor> homeButtons[] = {{drawFlame, kRed},
                                                    {drawChartGlyph, kBrand},
                                                    {drawTeaCup, QColor(0xf0, 0x9a, 0x1a)},
                                                    {drawNews, QColor(0x2e, 0xb8, 0x8a)},
                                                    {drawBook, QColor(0x5b, 0x6b, 0xe0)},
                                                    {drawCap, QColor(0x8a, 0x5c, 0xd6)},
                                                    {drawPerson, kBrandDark},
                                                    {drawRegisterGlyph, QColor(0x1f, 0xa6, 0xc9)},
                                                    {drawExchange, QColor(0xe8, 0x6a, 0x3a)}};
    for (int i = 0; i < 9; ++i)
        ok &= save(homeTile(homeButtons[i].first, homeButtons[i].second),
                   QStringLiteral("home_button_%1.png").arg(i));

    ok &= save(glyphImage(80, drawCloudOff, QColor(0xc4, 0xc4, 0xc8), 2.6),
               QStringLiteral("load_failed.png"));
    ok &= save(glyphImage(80, drawEmptyTray, QColor(0xc4, 0xc4, 0xc8), 2.6),
               QStringLiteral("comment_empty.png"));

    ok &= save(remotePlaceholder(), QStringLiteral("placeholder.png"));
    ok &= save(logo(), QStringLiteral("logo.png"));
    ok &= save(splash(), QStringLiteral("splash.png"));

    ok &= save(sectionIcon(), QStringLiteral("ico_faq_d.png"));
    ok &= save(hairline(), QStringLiteral("line_real.png"));
    ok &= save(foldArrow(true), QStringLiteral("ico_listup.png"));
    ok &= save(foldArrow(false), QStringLiteral("ico_listdown.png"));
    ok &= save(tradeMark(true), QStringLiteral("transfer.png"));
    ok &= save(tradeMark(false), QStringLiteral("getback.png"));
    ok &= save(specialTradeTag(), QStringLiteral("tsjy.png"));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    g_outputDir = args.size() > 1 ? args.at(1) : QStringLiteral(ARTWORK_OUTPUT_DIR);
    if (!QDir().mkpath(g_outputDir)) {
        QTextStream(stderr) << "make-artwork: cannot create " << g_outputDir << '\n';
        return 1;
    }
    if (!QFontDatabase::families().contains(kCjkFamily)) {
        QTextStream(stderr) << "make-artwork: font \"" << kCjkFamily
                            << "\" is not installed (Debian: fonts-noto-cjk)\n";
        return 1;
    }
    bool ok = true;
    for (g_scale = 1; g_scale <= 3; ++g_scale)
        ok &= paintAll();
    QTextStream(stdout) << g_written << " images written to "
                        << QFileInfo(g_outputDir).absoluteFilePath() << '\n';
    return ok ? 0 : 1;
}

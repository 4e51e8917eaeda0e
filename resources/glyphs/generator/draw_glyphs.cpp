// Draws the button glyphs into PNG files.
// The kind glyphs (LBOK ... LBALL) are 16-colour strips of two 18-pixel images, normal
// and disabled, on an olive background that the buttons key out by the lower-left
// pixel. The window glyphs are 24 by 24 with an alpha channel and a transparent
// lower-left pixel, so they keep soft edges.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using Motif = std::function<void(QPainter&)>;

const QColor kOlive(128, 128, 0);
const QRgb kVga[] = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xff808080,
                     0xffc0c0c0, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

QRgb NearestVga(QRgb c) {
    QRgb best = kVga[0];
    int bestDistance = 1 << 30;
    for (QRgb v : kVga) {
        const int dr = qRed(c) - qRed(v), dg = qGreen(c) - qGreen(v), db = qBlue(c) - qBlue(v);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) bestDistance = d, best = v;
    }
    return best;
}

QImage Render(int w, int h, const Motif& motif) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    motif(p);
    return image;
}

// A two-image 16-colour strip: the motif, then its engraved grey copy.
void SaveKindGlyph(const QString& folder, const char* name, int height, const Motif& motif) {
    const QImage art = Render(18, height, motif);
    QImage strip(36, height, QImage::Format_ARGB32);
    strip.fill(kOlive);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 18; ++x) {
            const QRgb c = art.pixel(x, y);
            if (qAlpha(c) < 128) continue;
            strip.setPixel(x, y, NearestVga(qRgb(qRed(c), qGreen(c), qBlue(c))));
            if (x + 1 < 18 && y + 1 < height) strip.setPixel(18 + x + 1, y + 1, 0xffffffff);
        }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 18; ++x)
            if (qAlpha(art.pixel(x, y)) >= 128) strip.setPixel(18 + x, y, 0xff808080);
    strip.convertToFormat(QImage::Format_Indexed8, QList<QRgb>(std::begin(kVga), std::end(kVga)))
        .save(folder + "/" + name + ".png");
}

void SaveWindowGlyph(const QString& folder, const char* name, const Motif& motif) {
    Render(24, 24, motif).save(folder + "/" + name + ".png");
}

// A small glyph of the grid's search footer on a transparent background.
void SaveSearchGlyph(const QString& folder, const char* name, int size, const Motif& motif) {
    Render(size, size, motif).save(folder + "/" + name + ".png");
}

QPen Stroke(const QColor& c, double width) { return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Check(QPainter& p, QPointF at, double scale, const QColor& fill, const QColor& edge) {
    QPainterPath path;
    path.moveTo(at + QPointF(0, 5) * scale);
    path.lineTo(at + QPointF(4, 9) * scale);
    path.lineTo(at + QPointF(12, 0) * scale);
    p.setPen(Stroke(edge, 4.2 * scale));
    p.drawPath(path);
    p.setPen(Stroke(fill, 2.4 * scale));
    p.drawPath(path);
}

void Cross(QPainter& p, QRectF r, const QColor& fill, const QColor& edge, double width) {
    for (const auto& [pen, w] : {std::pair{edge, width + 1.8}, std::pair{fill, width}}) {
        p.setPen(Stroke(pen, w));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
    }
}

void TextMotif(QPainter& p, QRectF r, const QString& text, const QColor& color, int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

void Arrow(QPainter& p, QPointF center, double radius, double startDeg, double spanDeg, const QColor& color) {
    QRectF box(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    p.setPen(Stroke(color, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, int(startDeg * 16), int(spanDeg * 16));
    const double end = (startDeg + spanDeg) * M_PI / 180.0;
    const QPointF tip(center.x() + radius * std::cos(end), center.y() - radius * std::sin(end));
    const double dir = end + (spanDeg > 0 ? M_PI / 2 : -M_PI / 2);
    const QPointF forward(std::cos(dir), -std::sin(dir)), side(-forward.y(), forward.x());
    QPolygonF head{tip + forward * 3.5, tip + side * 3.2, tip - side * 3.2};
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head);
}

void Document(QPainter& p, QRectF r) {
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - 5, r.top());
    page.lineTo(r.right(), r.top() + 5);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(QPen(QColor(90, 100, 120), 1.2));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(page);
    p.setBrush(QColor(200, 210, 225));
    p.drawPolygon(QPolygonF{QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5),
                            QPointF(r.right(), r.top() + 5)});
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_glyphs <output folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QColor green(0, 128, 0), lime(0, 255, 0), red(255, 0, 0), maroon(128, 0, 0), teal(0, 128, 128);

    SaveKindGlyph(out, "LBOK", 18, [&](QPainter& p) { Check(p, {3, 4}, 1.0, lime, green); });
    SaveKindGlyph(out, "LBYES", 18, [&](QPainter& p) { Check(p, {3, 4}, 1.0, lime, green); });
    SaveKindGlyph(out, "LBCANCEL", 18, [&](QPainter& p) { Cross(p, QRectF(4, 4, 10, 10), red, maroon, 2.6); });
    SaveKindGlyph(out, "LBABORT", 18, [&](QPainter& p) { Cross(p, QRectF(4, 4, 10, 10), red, maroon, 2.6); });
    SaveKindGlyph(out, "LBHELP", 18, [&](QPainter& p) { TextMotif(p, QRectF(0, 0, 18, 18), "?", teal, 17); });
    SaveKindGlyph(out, "LBNO", 18, [&](QPainter& p) {
        p.setPen(Stroke(red, 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(3, 3, 12, 12));
        p.drawLine(QPointF(5.5, 12.5), QPointF(12.5, 5.5));
    });
    SaveKindGlyph(out, "LBCLOSE", 18, [&](QPainter& p) {
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(QRectF(4, 2, 10, 14));
        p.setBrush(maroon);
        p.drawPolygon(QPolygonF{QPointF(4, 2), QPointF(11, 4), QPointF(11, 17), QPointF(4, 16)});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 0));
        p.drawEllipse(QRectF(8.5, 9, 2, 2));
    });
    SaveKindGlyph(out, "LBRETRY", 18, [&](QPainter& p) {
        Arrow(p, {9, 9}, 5.5, 20, 140, green);
        Arrow(p, {9, 9}, 5.5, 200, 140, green);
    });
    SaveKindGlyph(out, "LBIGNORE", 18, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(green);
        p.drawEllipse(QRectF(8, 1, 4, 4));
        p.setPen(Stroke(green, 2.4));
        p.drawLine(QPointF(9.5, 6), QPointF(8.5, 11));
        p.drawLine(QPointF(8.5, 11), QPointF(5, 16));
        p.drawLine(QPointF(8.5, 11), QPointF(12, 16));
        p.drawLine(QPointF(5.5, 9), QPointF(9.5, 6.5));
        p.drawLine(QPointF(9.5, 6.5), QPointF(13, 9));
    });
    SaveKindGlyph(out, "LBALL", 19, [&](QPainter& p) {
        Check(p, {1, 2}, 0.85, lime, green);
        Check(p, {5, 8}, 0.85, lime, green);
    });

    // The popup arrow: a black triangle pointing down on white.
    QImage arrow(5, 3, QImage::Format_RGB32);
    arrow.fill(Qt::white);
    for (int y = 0; y < 3; ++y)
        for (int x = y; x < 5 - y; ++x) arrow.setPixel(x, y, 0xff000000);
    arrow.save(out + "/LBARROW.png");

    const QColor blue(33, 110, 200), darkBlue(20, 70, 140);
    SaveWindowGlyph(out, "info", [&](QPainter& p) {
        p.setPen(QPen(darkBlue, 1.2));
        p.setBrush(blue);
        p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
        TextMotif(p, QRectF(0, 1, 24, 23), "i", Qt::white, 16);
    });
    SaveWindowGlyph(out, "options", [&](QPainter& p) {
        QPainterPath gear;
        const QPointF c(12, 12);
        for (int i = 0; i < 16; ++i) {
            const double a = i * M_PI / 8, r = (i % 2 == 0) ? 10.5 : 8.0;
            const double a2 = a + M_PI / 8 * 0.5;
            const QPointF p1 = c + QPointF(std::cos(a), std::sin(a)) * r;
            const QPointF p2 = c + QPointF(std::cos(a2), std::sin(a2)) * r;
            if (i == 0) gear.moveTo(p1);
            else gear.lineTo(p1);
            gear.lineTo(p2);
        }
        gear.closeSubpath();
        gear.addEllipse(c, 3.5, 3.5);
        gear.setFillRule(Qt::OddEvenFill);
        p.setPen(QPen(QColor(60, 70, 85), 1.0));
        p.setBrush(QColor(120, 135, 155));
        p.drawPath(gear);
    });
    SaveWindowGlyph(out, "exit", [&](QPainter& p) {
        p.setPen(Stroke(QColor(200, 40, 40), 3.0));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3.5, 4.5, 17, 17), 125 * 16, 290 * 16);
        p.drawLine(QPointF(12, 2.5), QPointF(12, 11));
    });
    SaveWindowGlyph(out, "new", [&](QPainter& p) {
        Document(p, QRectF(3.5, 1.5, 14, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 150, 60));
        p.drawEllipse(QRectF(11.5, 11.5, 11, 11));
        p.setPen(Stroke(Qt::white, 1.8));
        p.drawLine(QPointF(17, 14), QPointF(17, 20));
        p.drawLine(QPointF(14, 17), QPointF(20, 17));
    });
    SaveWindowGlyph(out, "open", [&](QPainter& p) {
        p.setPen(QPen(QColor(170, 120, 20), 1.0));
        p.setBrush(QColor(230, 180, 60));
        p.drawPath([] {
            QPainterPath back;
            back.moveTo(1.5, 5.5);
            back.lineTo(8.5, 5.5);
            back.lineTo(10.5, 7.5);
            back.lineTo(20.5, 7.5);
            back.lineTo(20.5, 19.5);
            back.lineTo(1.5, 19.5);
            back.closeSubpath();
            return back;
        }());
        p.setBrush(QColor(250, 210, 100));
        p.drawPolygon(QPolygonF{QPointF(4.5, 10.5), QPointF(23, 10.5), QPointF(20.5, 19.5), QPointF(1.5, 19.5)});
    });
    SaveWindowGlyph(out, "parameters", [&](QPainter& p) {
        for (int i = 0; i < 3; ++i) {
            const double y = 5.5 + i * 6.5, knob = i == 0 ? 15 : i == 1 ? 7 : 12;
            p.setPen(Stroke(QColor(90, 100, 120), 2.0));
            p.drawLine(QPointF(2.5, y), QPointF(21.5, y));
            p.setPen(QPen(darkBlue, 1.0));
            p.setBrush(blue);
            p.drawEllipse(QPointF(knob, y), 3.2, 3.2);
        }
    });
    SaveWindowGlyph(out, "dali", [&](QPainter& p) {
        p.setPen(QPen(QColor(180, 130, 0), 1.2));
        p.setBrush(QColor(255, 215, 60));
        p.drawEllipse(QRectF(5, 1.5, 14, 14));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(8.5, 12, 7, 4));
        p.setPen(QPen(QColor(90, 95, 105), 1.0));
        p.setBrush(QColor(160, 165, 175));
        p.drawRoundedRect(QRectF(8.5, 15.5, 7, 6), 1.5, 1.5);
        p.setPen(Stroke(QColor(90, 95, 105), 1.0));
        p.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
        p.drawLine(QPointF(8.5, 19.5), QPointF(15.5, 19.5));
    });
    SaveWindowGlyph(out, "knx", [&](QPainter& p) {
        const QColor bus(30, 140, 70);
        p.setPen(Stroke(bus, 2.4));
        p.drawLine(QPointF(2, 12), QPointF(22, 12));
        for (double x : {5.0, 12.0, 19.0}) {
            p.drawLine(QPointF(x, 12), QPointF(x, x == 12.0 ? 19 : 5));
            p.setPen(QPen(QColor(20, 90, 45), 1.0));
            p.setBrush(QColor(120, 200, 140));
            p.drawRoundedRect(x == 12.0 ? QRectF(x - 3.5, 16.5, 7, 6) : QRectF(x - 3.5, 1.5, 7, 6), 1.2, 1.2);
            p.setPen(Stroke(bus, 2.4));
        }
    });
    SaveWindowGlyph(out, "update", [&](QPainter& p) {
        p.setPen(QPen(QColor(60, 65, 75), 1.0));
        p.setBrush(QColor(90, 95, 110));
        p.drawRoundedRect(QRectF(2.5, 14.5, 19, 7), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 230, 120));
        p.drawEllipse(QRectF(16.5, 16.8, 2.6, 2.6));
        p.setBrush(blue);
        p.drawPolygon(QPolygonF{QPointF(9, 1.5), QPointF(15, 1.5), QPointF(15, 7), QPointF(19, 7), QPointF(12, 13.5),
                                QPointF(5, 7), QPointF(9, 7)});
    });
    SaveWindowGlyph(out, "rules", [&](QPainter& p) {
        p.setPen(QPen(QColor(90, 100, 120), 1.0));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 3.5, 19, 17));
        p.setBrush(QColor(110, 150, 210));
        p.drawRect(QRectF(2.5, 3.5, 19, 4));
        for (double y : {11.5, 15.5}) p.drawLine(QPointF(2.5, y), QPointF(21.5, y));
        p.drawLine(QPointF(9.5, 3.5), QPointF(9.5, 20.5));
    });
    SaveWindowGlyph(out, "file", [&](QPainter& p) {
        Document(p, QRectF(4.5, 1.5, 15, 21));
        p.setPen(Stroke(QColor(120, 140, 170), 1.2));
        for (double y : {9.5, 12.5, 15.5, 18.5}) p.drawLine(QPointF(7.5, y), QPointF(16.5, y));
    });
    SaveWindowGlyph(out, "ok", [&](QPainter& p) { Check(p, {4, 6}, 1.3, QColor(40, 170, 60), QColor(20, 100, 35)); });
    SaveWindowGlyph(out, "cancel", [&](QPainter& p) {
        Cross(p, QRectF(6, 6, 12, 12), QColor(220, 50, 50), QColor(140, 20, 20), 2.8);
    });
    // The search footer: close (normal, hot, pressed), find next and previous, highlight;
    // the disabled forms in grey.
    const auto closeCross = [](QPainter& p, const QColor& circle, const QColor& cross) {
        if (circle.isValid()) {
            p.setPen(Qt::NoPen);
            p.setBrush(circle);
            p.drawEllipse(QRectF(0.5, 0.5, 13, 13));
        }
        p.setPen(Stroke(cross, 1.8));
        p.drawLine(QPointF(4, 4), QPointF(10, 10));
        p.drawLine(QPointF(10, 4), QPointF(4, 10));
    };
    SaveSearchGlyph(out, "ASGCLOSE", 14, [&](QPainter& p) { closeCross(p, QColor(), QColor(90, 90, 90)); });
    SaveSearchGlyph(out, "ASGCLOSEH", 14, [&](QPainter& p) { closeCross(p, QColor(220, 80, 60), Qt::white); });
    SaveSearchGlyph(out, "ASGCLOSED", 14, [&](QPainter& p) { closeCross(p, QColor(150, 40, 30), Qt::white); });
    const auto findArrow = [](QPainter& p, bool down, const QColor& fill) {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        const double tip = down ? 13.5 : 2.5, base = down ? 7.5 : 8.5;
        p.drawPolygon(QPolygonF{QPointF(2.5, base), QPointF(13.5, base), QPointF(8, tip)});
        p.drawRect(QRectF(6, down ? 2.5 : 8.5, 4, 5));
    };
    SaveSearchGlyph(out, "ASGARDOWN", 16, [&](QPainter& p) { findArrow(p, true, QColor(40, 110, 200)); });
    SaveSearchGlyph(out, "ASGARDOWND", 16, [&](QPainter& p) { findArrow(p, true, QColor(160, 160, 160)); });
    SaveSearchGlyph(out, "ASGARUP", 16, [&](QPainter& p) { findArrow(p, false, QColor(40, 110, 200)); });
    SaveSearchGlyph(out, "ASGARUPD", 16, [&](QPainter& p) { findArrow(p, false, QColor(160, 160, 160)); });
    const auto marker = [](QPainter& p, const QColor& ink, const QColor& body) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(1, 12.5, 14, 2.5));
        p.setPen(QPen(QColor(60, 60, 60), 1.0));
        p.setBrush(body);
        p.drawPolygon(QPolygonF{QPointF(5, 11), QPointF(12, 2), QPointF(15, 5), QPointF(8, 12.5)});
    };
    SaveSearchGlyph(out, "ASGHI", 16, [&](QPainter& p) { marker(p, QColor(255, 230, 0), QColor(255, 240, 120)); });
    SaveSearchGlyph(out, "ASGHID", 16, [&](QPainter& p) { marker(p, QColor(190, 190, 190), QColor(220, 220, 220)); });
    return 0;
}

// Draws the program's button icons into data/icons (run by scripts/draw-icons).
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace {

QImage canvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The calculate button: a pocket calculator with a bold plus on its display.
QImage drawAdd(int size)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    QLinearGradient body(0, 4, 0, 60);
    body.setColorAt(0, QColor(0x3d, 0x6f, 0xb6));
    body.setColorAt(1, QColor(0x24, 0x4a, 0x85));
    p.setPen(QPen(QColor(0x1a, 0x36, 0x63), 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(11, 3, 42, 58), 6, 6);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xdf, 0xf0, 0xd8));
    p.drawRoundedRect(QRectF(16, 8, 32, 14), 2, 2);
    p.setPen(QPen(QColor(0x1e, 0x5e, 0x20), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(36, 15), QPointF(44, 15));
    p.drawLine(QPointF(40, 11), QPointF(40, 19));

    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.setBrush(QColor(0xf2, 0xf4, 0xf7));
            p.drawRoundedRect(QRectF(16 + col * 11.5, 27 + row * 10.5, 9, 8), 1.5, 1.5);
        }
    }
    p.setBrush(QColor(0xf5, 0xa6, 0x23));
    p.drawRoundedRect(QRectF(16 + 2 * 11.5, 27 + 2 * 10.5, 9, 8), 1.5, 1.5);
    return image;
}

// The clear button: an eraser wiping a line away.
QImage drawClear(int size)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    p.setPen(QPen(QColor(0x9a, 0xa3, 0xad), 3, Qt::DashLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 56), QPointF(40, 56));

    p.translate(34, 30);
    p.rotate(-40);
    p.setPen(QPen(QColor(0x6b, 0x2a, 0x2a), 2));
    p.setBrush(QColor(0xe8, 0x5d, 0x5d));
    p.drawRoundedRect(QRectF(-6, -12, 30, 24), 4, 4);
    p.setBrush(QColor(0xf3, 0xf1, 0xec));
    p.drawRoundedRect(QRectF(-24, -12, 20, 24), 4, 4);
    return image;
}

bool save(const QImage& image, const QString& path) { return image.save(path, "PNG"); }

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data/icons");
    bool ok = true;
    for (int size : { 32, 64 }) {
        const QString suffix = size == 64 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
        ok = save(drawAdd(size), dir + "/add" + suffix) && ok;
        ok = save(drawClear(size), dir + "/clear" + suffix) && ok;
    }
    return ok ? 0 : 1;
}

// Paints the program's icon at every size the desktop's icon theme asks for: a studio
// lens seen from the front, its aperture blades half closed, on a rounded blue tile with
// the flash's soft light, the colours of the login window. Small sizes drop the blade
// edges so that the shape stays readable.
//
// Usage: app_icon OUTDIR (writes OUTDIR/hicolor/NxN/apps/quira.png)
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cstdio>

namespace {

constexpr int kSizes[] = { 16, 24, 32, 48, 64, 128, 256 };
constexpr int kBlades = 6;

void PaintTile(QPainter& p, double s)
{
    QLinearGradient sky(0, 0, 0, s);
    sky.setColorAt(0.0, QColor(34, 82, 150));
    sky.setColorAt(1.0, QColor(10, 30, 70));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.2, s * 0.2);
    p.fillPath(tile, sky);
    QRadialGradient glow(QPointF(s * 0.35, s * 0.3), s * 0.6);
    glow.setColorAt(0.0, QColor(120, 180, 240, 110));
    glow.setColorAt(1.0, QColor(120, 180, 240, 0));
    p.fillPath(tile, glow);
}

void PaintLens(QPainter& p, double s)
{
    const QPointF centre(s / 2, s / 2);
    const double outer = s * 0.34;
    const double inner = s * 0.27;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 242, 250));
    p.drawEllipse(centre, outer, outer);
    p.setBrush(QColor(22, 34, 58));
    p.drawEllipse(centre, inner, inner);

    // The blades: each a triangle from the rim towards an opening turned against it.
    const double opening = inner * 0.42;
    for (int i = 0; i < kBlades; ++i) {
        const double a = 2 * M_PI * i / kBlades;
        const double b = 2 * M_PI * (i + 1) / kBlades;
        QPainterPath blade;
        blade.moveTo(centre + QPointF(qCos(a), qSin(a)) * inner);
        blade.lineTo(centre + QPointF(qCos(b), qSin(b)) * inner);
        blade.lineTo(centre + QPointF(qCos(b + 0.9), qSin(b + 0.9)) * opening);
        blade.closeSubpath();
        p.setBrush(i % 2 ? QColor(70, 110, 170) : QColor(90, 134, 196));
        p.setPen(s >= 48 ? QPen(QColor(22, 34, 58), s / 128.0) : QPen(Qt::NoPen));
        p.drawPath(blade);
    }
    // The light caught on the glass.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(centre + QPointF(-inner * 0.45, -inner * 0.45), inner * 0.16, inner * 0.16);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    for (const int size : kSizes) {
        // Painted four times larger and scaled down: smooth edges at every size.
        const int big = size * 4;
        QImage image(big, big, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        PaintTile(p, big);
        PaintLens(p, big);
        p.end();
        const QString folder
            = QString("%1/hicolor/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        QDir().mkpath(folder);
        const QImage icon = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!icon.save(folder + "/quira.png")) {
            fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(folder));
            return 1;
        }
    }
    return 0;
}

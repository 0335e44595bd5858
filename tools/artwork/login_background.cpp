// Paints the login window's background: a deep blue field with soft light, a
// translucent panel in the middle, the two white input fields the edits sit on, their
// labels, and the raised area behind the "Logar" button. The geometry is the login
// window's: the edits lie at (270, 213) 163x20 and (270, 254) 172x20, the button at
// (311, 304) 95x33, the title label at (233, 143).
//
// Usage: login_background OUT.jpg
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cstdio>

namespace {

constexpr int kWidth = 709;
constexpr int kHeight = 532;

void PaintBackground(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(22, 58, 112));
    sky.setColorAt(0.55, QColor(14, 40, 86));
    sky.setColorAt(1.0, QColor(8, 24, 56));
    p.fillRect(0, 0, kWidth, kHeight, sky);

    // A soft light behind the panel, as from a studio flash.
    QRadialGradient glow(QPointF(kWidth / 2.0, 200), 380);
    glow.setColorAt(0.0, QColor(90, 150, 220, 120));
    glow.setColorAt(1.0, QColor(90, 150, 220, 0));
    p.fillRect(0, 0, kWidth, kHeight, glow);

    // Faint aperture rings: the studio's trade.
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 10 + i * 2), 1.2));
        p.drawEllipse(QPointF(600, 440), 40.0 + i * 26, 40.0 + i * 26);
    }
    // A fine grain keeps large gradients from banding in the JPEG.
    QRandomGenerator rng(481736);
    for (int i = 0; i < 9000; ++i) {
        const int a = static_cast<int>(rng.bounded(10));
        p.setPen(QColor(255, 255, 255, a));
        p.drawPoint(static_cast<int>(rng.bounded(kWidth)), static_cast<int>(rng.bounded(kHeight)));
    }
}

void PaintPanel(QPainter& p)
{
    const QRectF panel(170, 110, 369, 260);
    QPainterPath shape;
    shape.addRoundedRect(panel, 14, 14);
    // Shadow, then the translucent face with a thin light rim.
    for (int i = 8; i > 0; --i) {
        QPainterPath s;
        s.addRoundedRect(panel.translated(0, 4).adjusted(-i, -i, i, i), 14 + i, 14 + i);
        p.fillPath(s, QColor(0, 0, 0, 6));
    }
    QLinearGradient face(panel.topLeft(), panel.bottomLeft());
    face.setColorAt(0.0, QColor(236, 242, 250, 230));
    face.setColorAt(1.0, QColor(208, 220, 236, 220));
    p.fillPath(shape, face);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.drawPath(shape);
    // A divider under the title area.
    p.setPen(QPen(QColor(120, 140, 170, 120), 1.0));
    p.drawLine(QPointF(200, 186), QPointF(509, 186));
}

// A small aperture mark left of the title, and the product's line to the right of it.
void PaintTitleArea(QPainter& p)
{
    const QPointF c(214, 158);
    p.setPen(QPen(QColor(70, 100, 150), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 12, 12);
    for (int i = 0; i < 6; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(i * 60.0);
        p.drawLine(t.map(QLineF(QPointF(-4, -11), QPointF(6, -2))));
    }
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(90, 104, 128));
    p.drawText(QRectF(300, 148, 220, 20), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("sele\u00e7\u00e3o de fotos do cliente"));
}

void PaintField(QPainter& p, const QRect& field, const QString& label)
{
    const QRectF frame = QRectF(field).adjusted(-4, -3, 4, 3);
    QPainterPath path;
    path.addRoundedRect(frame, 4, 4);
    p.fillPath(path, QColor(255, 255, 255));
    p.setPen(QPen(QColor(140, 160, 190), 1.0));
    p.drawPath(path);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(70, 80, 96));
    p.drawText(
        QRectF(190, field.top() - 2, 70, field.height() + 4), Qt::AlignRight | Qt::AlignVCenter, label);
}

void PaintButtonArea(QPainter& p)
{
    const QRectF area(305, 298, 107, 45);
    QPainterPath path;
    path.addRoundedRect(area, 8, 8);
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0.0, QColor(60, 110, 180, 200));
    g.setColorAt(1.0, QColor(30, 70, 130, 200));
    p.fillPath(path, g);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.0));
    p.drawPath(path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.jpg\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintBackground(p);
    PaintPanel(p);
    PaintTitleArea(p);
    PaintField(p, QRect(270, 213, 163, 20), QStringLiteral("Login"));
    PaintField(p, QRect(270, 254, 172, 20), QStringLiteral("Senha"));
    PaintButtonArea(p);
    p.end();
    if (!image.save(QString::fromLocal8Bit(argv[1]), "JPG", 92)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}

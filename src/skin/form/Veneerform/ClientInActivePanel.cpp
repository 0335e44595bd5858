#include "ClientInActivePanel.h"

#include "Veneerform.h"
#include "framework/Form.h"

#include <QPainter>
#include <algorithm>

namespace veneer {

namespace {

constexpr int kBlurAmount = 3;
constexpr int kVeilAlpha = 170;

// One pass of a running box average along rows (or, transposed, columns).
void BoxPass(const QImage& from, QImage& to, int amount, bool vertical)
{
    const int w = from.width(), h = from.height();
    const int lines = vertical ? w : h, length = vertical ? h : w;
    for (int line = 0; line < lines; ++line) {
        const auto at = [&](int i) -> QRgb {
            i = std::clamp(i, 0, length - 1);
            return vertical ? reinterpret_cast<const QRgb*>(from.constScanLine(i))[line]
                            : reinterpret_cast<const QRgb*>(from.constScanLine(line))[i];
        };
        int r = 0, g = 0, b = 0;
        for (int i = -amount; i <= amount; ++i) {
            const QRgb c = at(i);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
        const int n = 2 * amount + 1;
        for (int i = 0; i < length; ++i) {
            const QRgb out = qRgb(r / n, g / n, b / n);
            if (vertical)
                reinterpret_cast<QRgb*>(to.scanLine(i))[line] = out;
            else
                reinterpret_cast<QRgb*>(to.scanLine(line))[i] = out;
            const QRgb in = at(i + amount + 1), gone = at(i - amount);
            r += qRed(in) - qRed(gone), g += qGreen(in) - qGreen(gone), b += qBlue(in) - qBlue(gone);
        }
    }
}

} // namespace

QImage TvnClientInActivePanel::Blurred(const QImage& image, int amount)
{
    const QImage from = image.convertToFormat(QImage::Format_RGB32);
    if (from.isNull() || amount <= 0) return from;
    QImage across(from.size(), QImage::Format_RGB32), result(from.size(), QImage::Format_RGB32);
    BoxPass(from, across, amount, false);
    BoxPass(across, result, amount, true);
    return result;
}

QImage TvnClientInActivePanel::Veiled(const QImage& image, const QImage& veil, int alpha)
{
    QImage result = image.convertToFormat(QImage::Format_RGB32);
    QPainter p(&result);
    p.setOpacity(alpha / 255.0);
    p.drawImage(0, 0, veil);
    return result;
}

TvnClientInActivePanel* TvnClientInActivePanel::Cover(TvnVeneerform& frame, TvnClientInActiveEffect effect)
{
    QWidget* client = frame.Form()->ClientWidget();
    if (client->width() <= 0 || client->height() <= 0) return nullptr;
    QImage copy = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (effect == vnieBlur) {
        copy = Blurred(copy, kBlurAmount);
    } else {
        QImage background(client->size(), QImage::Format_RGB32);
        QPainter p(&background);
        frame.PaintClientBackground(p);
        p.end();
        copy = Veiled(copy, background, kVeilAlpha);
    }
    auto* panel = new TvnClientInActivePanel(client, std::move(copy));
    panel->show();
    panel->raise();
    return panel;
}

TvnClientInActivePanel::TvnClientInActivePanel(QWidget* parent, QImage buffer)
    : QWidget(parent)
    , m_buffer(std::move(buffer))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, parent->width(), parent->height());
}

void TvnClientInActivePanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_buffer);
}

} // namespace veneer

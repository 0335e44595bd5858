#include "LayerWindow.h"

#include "PixelParts.h"
#include "platform/LayeredWindows.h"

#include <QPainter>
#include <QWindow>
#include <algorithm>

TvnBitmap TvnBitmap::FromPictureAndMask(const QImage& picture, const QImage& mask)
{
    TvnBitmap bitmap;
    if (picture.isNull()) return bitmap;
    const QImage pic = picture.convertToFormat(QImage::Format_RGB32);
    const QImage msk = vnutils::As32Bit(mask);
    QImage out(pic.size(), QImage::Format_ARGB32);
    for (int y = 0; y < pic.height(); ++y) {
        const auto* src = reinterpret_cast<const quint32*>(pic.constScanLine(y));
        const quint32* m
            = y < msk.height() ? reinterpret_cast<const quint32*>(msk.constScanLine(y)) : nullptr;
        auto* dst = reinterpret_cast<quint32*>(out.scanLine(y));
        for (int x = 0; x < pic.width(); ++x) {
            quint32 alpha = 0;
            if (m && x < msk.width()) {
                const quint32 p = m[x];
                alpha = ((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) / 3;
            }
            dst[x] = (src[x] & 0x00FFFFFFu) | alpha << 24;
        }
    }
    bitmap.m_image = out;
    return bitmap;
}

namespace {

// The picture as the window shows it: its own alpha times the constant one, premultiplied.
QImage ShownImage(const TvnBitmap& picture, int alpha)
{
    QImage shown = picture.Image().copy();
    for (int y = 0; y < shown.height(); ++y) {
        auto* row = reinterpret_cast<quint32*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            const quint32 a = (row[x] >> 24) * quint32(alpha) / 255;
            row[x] = (row[x] & 0x00FFFFFFu) | a << 24;
        }
    }
    return shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

TvnLayerWindow::TvnLayerWindow(const TvnBitmap& picture, int alpha, bool topmost)
    : QWidget(nullptr,
        Qt::ToolTip | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint | Qt::WindowDoesNotAcceptFocus
            | Qt::WindowTransparentForInput | (topmost ? Qt::WindowStaysOnTopHint : Qt::WindowFlags()))
    , m_alpha(std::clamp(alpha, 0, 255))
    , m_shown(ShownImage(picture, m_alpha))
{
    // The glow sits over the control it belongs to: it must neither take the focus from
    // the form nor catch the mouse, or the control would lose its hot state and hide the
    // glow again at once. A managed window would get a frame of the window manager's,
    // which takes the pointer all the same: a tool tip's window is never managed.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(picture.Size());
}

void TvnLayerWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_shown);
}

TvnLayerManager::TvnLayerManager(QObject* owner)
    : TComponent(owner)
{
}

// The owner goes after the events of its time: nothing can be pending for the window.
TvnLayerManager::~TvnLayerManager() { delete m_window.data(); }

void TvnLayerManager::Show(int x, int y, int alpha, const QImage& mask, const QImage& picture)
{
    if (!platform::LayeredWindowsAvailable()) return;
    Hide();
    const TvnBitmap bitmap = TvnBitmap::FromPictureAndMask(picture, mask);
    if (bitmap.IsEmpty()) return;
    m_window = new TvnLayerWindow(bitmap, alpha, m_topmost);
    m_window->move(x, y);
    // A popup needs the window it belongs to where the compositor places windows itself.
    if (QWindow* beside = OwnerWindow()) {
        m_window->winId();
        m_window->windowHandle()->setTransientParent(beside);
    }
    m_window->show();
    platform::LetPointerThrough(m_window);
}

QWindow* TvnLayerManager::OwnerWindow() const
{
    for (QObject* o = parent(); o; o = o->parent())
        if (auto* widget = qobject_cast<QWidget*>(o)) return widget->window()->windowHandle();
    return nullptr;
}

void TvnLayerManager::Hide()
{
    if (!m_window) return;
    m_window->hide();
    m_window->deleteLater();
    m_window = nullptr;
}

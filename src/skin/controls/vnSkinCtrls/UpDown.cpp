#include "UpDown.h"

#include "SkinPieces.h"
#include "skin/data/vnSkinData/OtherControlSkins.h"
#include "skin/data/vnUtils/Marks.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

using vnutils::RectEmpty;

namespace {

// `r`, given in a skin rectangle of `skin`'s size, at a control of `size`.
QRect Scaled(const QRect& r, QSize skin, QSize size)
{
    if (skin.width() <= 0 || skin.height() <= 0) return r;
    const auto x = [&](int v) { return v * size.width() / skin.width(); };
    const auto y = [&](int v) { return v * size.height() / skin.height(); };
    return QRect(QPoint(x(r.left()), y(r.top())), QPoint(x(r.right() + 1) - 1, y(r.bottom() + 1) - 1));
}

// The state's picture, falling back as the scroll bar's arrows do: pressed on hot.
QRect Source(const QRect& normal, const QRect& hot, const QRect& pressed, bool isHot, bool isPressed)
{
    const QRect hotOrNormal = RectEmpty(hot) ? normal : hot;
    if (isPressed) return RectEmpty(pressed) ? hotOrNormal : pressed;
    return isHot ? hotOrNormal : normal;
}

} // namespace

TvnSkinUpDown::TvnSkinUpDown(QObject* owner)
    : TvnSkinControl(owner)
{
    SetSkinDataName(QStringLiteral("updown"));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 40, 20);
}

void TvnSkinUpDown::SetMin(int min) { SetRange(min, std::max(min, m_max), m_position); }

void TvnSkinUpDown::SetMax(int max) { SetRange(std::min(m_min, max), max, m_position); }

void TvnSkinUpDown::SetPosition(int position) { SetRange(m_min, m_max, position); }

void TvnSkinUpDown::SetRange(int min, int max, int position)
{
    m_min = min;
    m_max = std::max(min, max);
    const int clamped = std::clamp(position, m_min, m_max);
    if (clamped == m_position) return;
    m_position = clamped;
    Invalidate();
}

QRect TvnSkinUpDown::ButtonRect(int button) const
{
    if (button != kDecrease && button != kIncrease) return {};
    if (const auto* r = Record<TvnDataSkinUpDownControl>(); r && !RectEmpty(r->SkinRect))
        return Scaled(button == kIncrease ? r->UpButtonRect : r->DownButtonRect, r->SkinRect.size(), size());
    const int half = Width() / 2;
    return button == kDecrease ? QRect(0, 0, half, Height()) : QRect(half, 0, Width() - half, Height());
}

int TvnSkinUpDown::ButtonAt(QPoint point) const
{
    for (int button : { kDecrease, kIncrease })
        if (ButtonRect(button).contains(point)) return button;
    return kNoButton;
}

// ---- Looks ---------------------------------------------------------------------------------

void TvnSkinUpDown::DrawSkinned(QImage& bitmap)
{
    const auto* r = Record<TvnDataSkinUpDownControl>();
    if (!r) return DrawUnskinned(bitmap);
    const QImage picture = LoadedSkin() ? LoadedSkin()->Picture(r->PictureIndex) : QImage();
    QPainter p(&bitmap);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QPoint origin = r->SkinRect.topLeft();
    const struct {
        int Button;
        QRect Normal, Hot, Pressed;
    } buttons[] = {
        { kDecrease, r->DownButtonRect.translated(origin), r->ActiveDownButtonRect, r->DownDownButtonRect },
        { kIncrease, r->UpButtonRect.translated(origin), r->ActiveUpButtonRect, r->DownUpButtonRect },
    };
    for (const auto& b : buttons) {
        const QRect source = Source(b.Normal, b.Hot, b.Pressed, m_hot == b.Button && isEnabled(),
            m_pressed == b.Button && m_hot == b.Button);
        if (!picture.isNull() && !RectEmpty(source)) p.drawImage(ButtonRect(b.Button), picture, source);
    }
}

void TvnSkinUpDown::DrawUnskinned(QImage& bitmap)
{
    QPainter p(&bitmap);
    p.fillRect(bitmap.rect(), ToQColor(clr::clBtnFace));
    const QColor arrow = ToQColor(isEnabled() ? clr::clBlack : clr::clBtnShadow);
    for (int button : { kDecrease, kIncrease }) {
        const QRect r = ButtonRect(button);
        const bool pressed = m_pressed == button && m_hot == button;
        const TColor fill = pressed ? vnctrls::kDefaultPressedFill
            : m_hot == button       ? vnctrls::kDefaultHotFill
                                    : clr::clBtnFace;
        const TColor frame = pressed || m_hot == button ? vnctrls::kDefaultHotFrame : clr::clBtnShadow;
        p.fillRect(r.adjusted(1, 1, -1, -1), ToQColor(fill));
        vnutils::DrawFlatFrame(p, r, ToQColor(frame), ToQColor(frame));
        vnutils::DrawMark(p, button == kDecrease ? vnutils::TvnMark::ArrowLeft : vnutils::TvnMark::ArrowRight,
            vnutils::MarkCentre(r), arrow);
    }
}

// ---- Mouse and timer -----------------------------------------------------------------------

void TvnSkinUpDown::Step(int button)
{
    const int next = std::clamp(m_position + (button == kIncrease ? 1 : -1), m_min, m_max);
    if (next == m_position) return;
    m_position = next;
    Invalidate();
    events::Fire(OnChange, this);
}

void TvnSkinUpDown::SetHot(int button)
{
    if (button == m_hot) return;
    m_hot = button;
    Invalidate();
}

void TvnSkinUpDown::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !isEnabled()) return TvnSkinControl::mousePressEvent(e);
    ReadSkinRecord();
    const int button = ButtonAt(e->position().toPoint());
    if (button == kNoButton) return;
    m_pressed = button;
    m_hot = button;
    m_waiting = true;
    Invalidate();
    Step(button);
    SetTimer(kRepeatTimer, kRepeatDelay);
}

void TvnSkinUpDown::mouseMoveEvent(QMouseEvent* e)
{
    ReadSkinRecord();
    const int button = ButtonAt(e->position().toPoint());
    // While a button is held no other one lights up.
    SetHot(m_pressed == kNoButton || button == m_pressed ? button : kNoButton);
    TvnSkinControl::mouseMoveEvent(e);
}

void TvnSkinUpDown::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && m_pressed != kNoButton) {
        KillTimer(kRepeatTimer);
        m_pressed = kNoButton;
        Invalidate();
    }
    TvnSkinControl::mouseReleaseEvent(e);
}

void TvnSkinUpDown::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case msg::WM_TIMER:
        if (m.WParam != kRepeatTimer) break;
        if (m_waiting) {
            m_waiting = false;
            SetTimer(kRepeatTimer, kRepeatInterval);
            return;
        }
        // A held button repeats only while the mouse stays on it.
        if (m_pressed != kNoButton && m_hot == m_pressed) Step(m_pressed);
        return;
    case msg::CM_MOUSELEAVE:
        SetHot(kNoButton);
        break;
    default:
        break;
    }
    TvnSkinControl::WndProc(m);
}

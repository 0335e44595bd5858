// The frame objects under the mouse: the mouse test, hover, press and capture of the
// caption buttons, their commands, the mouse polling and the morph steps, and the
// repaint of one object. The system menu, the hints and the glow have files of their own.
#include "DefaultFrame.h"
#include "FrameHitTest.h"
#include "MoveSizeLoop.h"
#include "Veneerform.h"
#include "framework/Form.h"
#include "platform/Desktop.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>

using namespace vnutils;

namespace veneer {

QPoint TvnVeneerform::FramePoint(LPARAM screenPoint) const
{
    // Against the window's place as the server has it now, not Qt's last word of it.
    return QPoint(LoWordSigned(screenPoint), HiWordSigned(screenPoint)) - platform::ScreenOrigin(m_form);
}

bool TvnVeneerform::MouseTimerRunning() const { return m_form && m_form->HasTimer(kMouseTimer); }

bool TvnVeneerform::FrameMaximized() const
{
    return m_skinnable ? m_windowState == TvnWindowState::wsMaximized : m_form->isMaximized();
}

bool TvnVeneerform::FrameMinimized() const
{
    return m_skinnable ? m_windowState == TvnWindowState::wsMinimized : m_form->isMinimized();
}

TvnObjectPaintContext TvnVeneerform::PaintContext(bool drawNormal) const
{
    TvnObjectPaintContext context;
    context.Skin = m_skinPresent ? m_skinData.data() : nullptr;
    context.Active = m_active;
    context.DrawNormal = drawNormal;
    context.Caption = m_form->Caption();
    context.OnCaptionPaint = &OnCaptionPaint;
    context.OnPaintEvent = &OnPaintEvent;
    context.Sender = const_cast<TvnVeneerform*>(this);
    context.RolledUp = m_rollUpState;
    context.Minimized = FrameMinimized();
    context.Maximized = FrameMaximized();
    if (m_showIcon) context.SmallIcon = &SmallIcon();
    return context;
}

bool TvnVeneerform::InObject(int i, QPoint local) const
{
    if (!m_skinPresent) return true;
    const TvnObjectRecord& r = m_objects.State(i).Record;
    if (!r.Object) return true;
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    // The system-menu button showing the icon takes its whole square.
    if (ShowsIcon(o, m_showIcon)) return true;
    if (r.Mask.isNull()) return true;
    return InObjectMask(r.Mask, local);
}

void TvnVeneerform::MouseTest(QPoint p, bool activate)
{
    if (m_objects.IsEmpty() || !m_active || m_inMoveSize || m_form->BorderStyle() == bsNone) return;
    int left = m_activeObject;
    const int hit = ObjectUnder(m_objects, p, [this](int i, QPoint local) { return InObject(i, local); });
    m_activeObject = hit != -1 && activate ? hit : -1;
    if (m_captureObject != -1 && m_activeObject != m_captureObject) m_activeObject = -1;
    if (m_activeObject >= m_objects.Count()) m_activeObject = -1;
    if (left >= m_objects.Count()) left = -1;
    if (m_activeObject == left) return;
    const auto usable
        = [this](int i) { return i != -1 && m_objects.State(i).Available && m_objects.LayoutAt(i).Shown; };
    if (usable(left)) {
        ObjectLeave(left);
        HideObjectHint();
    }
    if (usable(m_activeObject)) {
        ObjectEnter(m_activeObject);
        if (m_showObjectHint) {
            const QString hint = ObjectHint(m_activeObject);
            if (!hint.isEmpty()) ShowObjectHint(hint);
        }
    }
}

void TvnVeneerform::LeaveAllObjects()
{
    if (m_activeObject != -1 && m_activeObject < m_objects.Count()) {
        const int old = m_activeObject;
        m_activeObject = -1;
        ObjectLeave(old);
    }
    HideObjectHint();
    m_activeObject = -1;
    // Objects whose state a deactivation left behind.
    for (int i = 0; i < m_objects.Count(); ++i) {
        TvnFrameObjectState& s = m_objects.State(i);
        // A caption's highlight is the frame's activation, which the mouse leaves alone.
        const bool caption = m_objects.LayoutAt(i).Kind == TvnObjectKind::Caption;
        if (s.MouseIn || (s.Highlighted && !caption)) ObjectLeave(i);
    }
}

void TvnVeneerform::ResetObjectMouseStates(bool releasePresses)
{
    for (int i = 0; i < m_objects.Count(); ++i) {
        if (m_objects.LayoutAt(i).Kind == TvnObjectKind::Caption) continue;
        TvnFrameObjectState& s = m_objects.State(i);
        s.MouseIn = s.Highlighted = false;
        if (releasePresses) s.Pressed = false;
        s.MorphFactor = 0;
    }
    m_activeObject = m_captureObject = -1;
}

bool TvnVeneerform::MorphEnabled(int i) const
{
    if (!m_skinPresent || !m_skinData->EnableSkinEffects()) return false;
    // The form's icon has no second look to blend to.
    if (ShowsIcon(m_objects.LayoutAt(i), m_showIcon)) return false;
    return m_objects.State(i).Record.Morphing;
}

void TvnVeneerform::StartChange(int i)
{
    if (MorphEnabled(i))
        m_form->SetTimer(kMorphTimer, kMorphInterval);
    else
        RepaintObject(i);
}

void TvnVeneerform::ObjectEnter(int i)
{
    TvnFrameObjectState& s = m_objects.State(i);
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    s.MouseIn = true;
    events::Fire(OnMouseEnterEvent, s.IDName);
    // The caption's look follows the frame's activation, not the mouse.
    if (o.Kind == TvnObjectKind::Caption) return;
    s.Highlighted = true;
    const TvnObjectRecord& r = s.Record;
    if (!m_skinPresent || !r.Object) {
        RepaintObject(i);
        return;
    }
    ShowGlow(i);
    if (r.Animate) {
        if (r.Animate->ButtonStyle) RunObjectAnimation(i, true);
        RepaintObject(i);
    } else if (r.Button && s.Pressed && !RectEmpty(r.Button->DownRect)) {
        if (MorphEnabled(i)) s.MorphFactor = 1;
        RepaintObject(i);
    } else if (!RectEmpty(r.ActiveSkinRect)) {
        StartChange(i);
    } else {
        RepaintObject(i);
    }
}

void TvnVeneerform::ObjectLeave(int i)
{
    TvnFrameObjectState& s = m_objects.State(i);
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    s.MouseIn = false;
    events::Fire(OnMouseLeaveEvent, s.IDName);
    if (o.Kind == TvnObjectKind::Caption) return;
    s.Highlighted = false;
    // Down with its menu open, it keeps its look and its glow while the pointer is in
    // the menu; the menu's closing lets it go.
    if (s.MenuOpen) return;
    HideGlow(i);
    if (s.Record.Animate && s.Record.Animate->ButtonStyle) RunObjectAnimation(i, false);
    RepaintObject(i);
    if (MorphEnabled(i)) m_form->SetTimer(kMorphTimer, kMorphInterval);
}

void TvnVeneerform::ObjectDown(int i, TMouseButton button)
{
    TvnFrameObjectState& s = m_objects.State(i);
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    // Caption buttons keep their presses to themselves.
    if (o.Kind != TvnObjectKind::StdButton)
        events::Fire(OnMouseDownEvent, s.IDName, m_mousePoint.x(), m_mousePoint.y(), o.Rect, button);
    if (o.Kind == TvnObjectKind::Caption || o.Kind == TvnObjectKind::User) return;
    if (button != mbLeft || !s.Available || s.Pressed) return;
    s.Pressed = true;
    if (MorphEnabled(i) && s.Highlighted) s.MorphFactor = 1;
    // An animated object held down shows its down image, from its last frame on.
    if (s.Record.Animate && !RectEmpty(s.Record.Animate->DownSkinRect))
        s.FrameIndex = s.Record.Animate->CountFrames;
    RepaintObject(i);
    // The system-menu command of a button or an animated object opens on the press.
    if (o.Kind != TvnObjectKind::Button && o.Command == TvnSkinCommand::cmSysMenu)
        PopupFromObject(i, SystemMenuItems(), false);
    else if (const ButtonMenu* menu = ButtonMenuOf(i))
        PopupFromObject(i, menu->Menu->Items(), menu->Above);
}

void TvnVeneerform::ObjectUp(int i, TMouseButton button)
{
    TvnFrameObjectState& s = m_objects.State(i);
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    if (s.MouseIn)
        events::Fire(
            OnMouseUpEvent, QString(s.IDName), m_mousePoint.x(), m_mousePoint.y(), QRect(o.Rect), button);
    if (i >= m_objects.Count()) return;
    if (o.Kind == TvnObjectKind::Caption || o.Kind == TvnObjectKind::User) return;
    if (!s.Available) return;
    const auto release = [&] {
        if (i >= m_objects.Count()) return;
        const TvnFrameObjectState& st = m_objects.State(i);
        // A button whose menu is open goes up when the menu closes.
        if (button != mbLeft || !st.Pressed || st.MenuOpen) return;
        LetGo(i);
    };
    const bool isCommand = o.Kind == TvnObjectKind::StdButton || o.Kind == TvnObjectKind::Animate;
    const bool run = isCommand && s.Highlighted && button == mbLeft && s.Pressed;
    const TvnSkinCommand command = o.Command;
    QPointer<TvnVeneerform> self(this);
    if (command == TvnSkinCommand::cmClose) {
        release();
        if (run) RunCommand(command);
    } else {
        if (run) RunCommand(command);
        if (self) release();
    }
}

void TvnVeneerform::LetGo(int i)
{
    TvnFrameObjectState& s = m_objects.State(i);
    s.Pressed = false;
    // Let go of its down image (or of the last frame its menu held), an animated object
    // starts its frames again (in button style only while the pointer is still on it).
    if (const TvnDataSkinAnimate* a = s.Record.Animate) {
        if (!RectEmpty(a->DownSkinRect)) s.FrameIndex = 1;
        RunObjectAnimation(i, s.MouseIn || !a->ButtonStyle);
    }
    RepaintObject(i);
    if (MorphEnabled(i)) StartChange(i);
}

void TvnVeneerform::ObjectDoubleClick(int i)
{
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    if (o.Kind == TvnObjectKind::StdButton && o.Command == TvnSkinCommand::cmSysMenu) m_form->Close();
}

void TvnVeneerform::RunCommand(TvnSkinCommand command)
{
    switch (command) {
    case TvnSkinCommand::cmClose:
        LeaveAllObjects();
        m_form->Close();
        break;
    case TvnSkinCommand::cmMaximize:
        LeaveAllObjects();
        SetFrameWindowState(m_windowState == TvnWindowState::wsMaximized ? TvnWindowState::wsNormal
                                                                         : TvnWindowState::wsMaximized);
        break;
    case TvnSkinCommand::cmMinimize:
        LeaveAllObjects();
        if (m_alwaysMinimizeToTray) {
            MinimizeFormToTray();
            break;
        }
        SetFrameWindowState(m_windowState == TvnWindowState::wsMinimized ? TvnWindowState::wsNormal
                                                                         : TvnWindowState::wsMinimized);
        break;
    case TvnSkinCommand::cmRollUp:
        SetRollUpState(!m_rollUpState);
        break;
    case TvnSkinCommand::cmMinimizeToTray:
        LeaveAllObjects();
        MinimizeFormToTray();
        break;
    case TvnSkinCommand::cmSysMenu:
    case TvnSkinCommand::cmDefault:
        break;
    }
}

void TvnVeneerform::PressObject(TMouseButton button)
{
    if (m_activeObject == -1) return;
    m_captureObject = m_activeObject;
    ObjectDown(m_activeObject, button);
}

void TvnVeneerform::ReleaseObject(QPoint p, TMouseButton button)
{
    if (m_captureObject == -1) return;
    // The release point decides whether the pointer is still on the button, even when
    // the last poll was before it left.
    if (p != QPoint(-1, -1)) MouseTest(p, true);
    const int captured = m_captureObject;
    m_captureObject = -1;
    if (captured < m_objects.Count()) ObjectUp(captured, button);
}

void TvnVeneerform::MouseTimerTick()
{
    const QPoint global = QCursor::pos();
    const QPoint p = global - platform::ScreenOrigin(m_form);
    // Over the form and no other window of ours (Qt's idea of the windows' places can
    // be stale, so an unknown place counts as the form's own). The glow layers lie over
    // the frame's own buttons and take no input: a pointer over them is over the form.
    QWidget* top = QApplication::topLevelAt(global);
    const bool otherWindow = top && top != m_form.data()
        && !top->testAttribute(Qt::WA_TransparentForMouseEvents)
        && !top->windowFlags().testFlag(Qt::WindowTransparentForInput);
    if (!m_active || !m_form->rect().contains(p) || otherWindow) {
        m_form->KillTimer(kMouseTimer);
        LeaveAllObjects();
        return;
    }
    if (m_inMoveSize) {
        m_form->KillTimer(kMouseTimer);
        return;
    }
    const QRect client = m_skinPresent ? m_geometry.NewClientRect : m_form->ClientRect();
    if (!client.contains(p)) {
        MouseTest(p, true);
        return;
    }
    // Inside the client area nothing of the frame is under the pointer: the polling
    // ends until the pointer reaches the frame's objects again.
    if (m_activeObject != -1) MouseTest(QPoint(-1, -1), true);
    if (m_captureObject == -1) m_form->KillTimer(kMouseTimer);
}

void TvnVeneerform::MorphTimerTick()
{
    bool stepped = false;
    for (int i = 0; i < m_objects.Count(); ++i) {
        // A button held down by its open menu keeps its look.
        if (!MorphEnabled(i) || m_objects.State(i).MenuOpen) continue;
        TvnFrameObjectState& s = m_objects.State(i);
        const bool need = s.Highlighted ? s.MorphFactor < 1 : s.MorphFactor > 0;
        if (!need) continue;
        s.MorphFactor = std::clamp(s.MorphFactor + (s.Highlighted ? 0.2 : -0.2), 0.0, 1.0);
        // Steps of 0.2 that add up to 0.9999… still end the blend.
        if (s.MorphFactor > 0.999) s.MorphFactor = 1;
        if (s.MorphFactor < 0.001) s.MorphFactor = 0;
        RepaintObject(i);
        stepped = true;
    }
    if (!stepped) m_form->KillTimer(kMorphTimer);
}

void TvnVeneerform::SetCaptionsActive(bool repaint)
{
    for (int i = 0; i < m_objects.Count(); ++i) {
        if (m_objects.LayoutAt(i).Kind != TvnObjectKind::Caption) continue;
        TvnFrameObjectState& s = m_objects.State(i);
        if (s.Highlighted == m_active) continue;
        s.Highlighted = m_active;
        if (repaint) {
            if (CaptionAnimated(i)) StartCaptionAnimation(i);
            RepaintFrame();
            if (MorphEnabled(i)) m_form->SetTimer(kMorphTimer, kMorphInterval);
        } else if (MorphEnabled(i)) {
            s.MorphFactor = m_active ? 1 : 0;
        }
        break;
    }
    if (m_active) StartObjectAnimations();
    events::Fire(m_active ? OnActivate : OnDeActivate, this);
}

void TvnVeneerform::RepaintObject(int i)
{
    if (!m_form || i < 0 || i >= m_objects.Count() || m_form->BorderStyle() == bsNone) return;
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    if (RectEmpty(o.Rect)) return;
    // An inactive frame's images carry the inactive effect over the objects: they are
    // composed again.
    if (m_skinPresent && m_paintCache.Valid && m_paintCache.Active && m_active
        && m_paintCache.Size == QSize(m_frameWidth, m_frameHeight)) {
        // The object is drawn again on the kept images, over the frame picture's pixels
        // that lie under it.
        const TvnObjectStrip place = ObjectStrip(o.Rect, m_geometry.NewClientRect);
        QImage& target = place.Bottom ? m_paintCache.Strips.Bottom : m_paintCache.Strips.Top;
        const QImage& base = place.Bottom ? m_paintCache.Base.Bottom : m_paintCache.Base.Top;
        if (!target.isNull()) {
            QPainter p(&target);
            p.translate(place.Offset);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(o.Rect.topLeft(), base, o.Rect.translated(place.Offset));
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            DrawFrameObject(p, o, m_objects.State(i), PaintContext(true));
        }
    } else if (m_skinPresent) {
        m_paintCache.Valid = false;
    }
    m_form->update(o.Rect);
}

} // namespace veneer

// The frame objects under the mouse: the mouse test, hover, press and capture of the
// caption buttons, their commands, the mouse polling and the morph steps, and the
// repaint of one object.
#include "DefaultFrame.h"
#include "FrameHitTest.h"
#include "HintWindow.h"
#include "MoveSizeLoop.h"
#include "SystemMenu.h"
#include "Veneerform.h"
#include "framework/Form.h"
#include "platform/Desktop.h"
#include "platform/LayeredWindows.h"
#include "skin/data/vnSkinData/ResourceStrData.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QTimer>
#include <utility>

using namespace vnutils;

namespace veneer {

namespace {

const TvnDataSkinButton* AsButton(const TvnDataSkinObject* record)
{
    return dynamic_cast<const TvnDataSkinButton*>(record);
}

} // namespace

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
    return context;
}

bool TvnVeneerform::InObject(int i, QPoint local) const
{
    if (!m_skinPresent) return true;
    const TvnFrameObjectState& s = m_objects.State(i);
    const TvnDataSkinObject* record = m_skinData->FrameObject(s.RecordIndex);
    if (!record) return true;
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    // The system-menu button showing the icon takes its whole square.
    if (o.Command == TvnSkinCommand::cmSysMenu && m_showIcon && o.SkinRectInAPicture) return true;
    const int mask = record->ActiveMaskPictureIndex;
    if (mask < 0 || mask >= m_skinData->Pictures.size()) return true;
    return InObjectMask(m_skinData->Pictures.at(mask), local);
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
        if (s.MouseIn || s.Highlighted) ObjectLeave(i);
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
    const TvnDataSkinObject* record = m_skinData->FrameObject(m_objects.State(i).RecordIndex);
    return record && record->Morphing && !RectEmpty(record->ActiveSkinRect);
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
    const TvnDataSkinObject* record = m_skinPresent ? m_skinData->FrameObject(s.RecordIndex) : nullptr;
    if (!record) {
        RepaintObject(i);
        return;
    }
    ShowGlow(i);
    const TvnDataSkinButton* button = AsButton(record);
    if (button && s.Pressed && !RectEmpty(button->DownRect)) {
        if (MorphEnabled(i)) s.MorphFactor = 1;
        RepaintObject(i);
    } else if (!RectEmpty(record->ActiveSkinRect)) {
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
    HideGlow();
    s.Highlighted = false;
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
    RepaintObject(i);
    if (o.Kind == TvnObjectKind::StdButton && o.Command == TvnSkinCommand::cmSysMenu)
        ShowSystemMenu(QRect(m_form->mapToGlobal(o.Rect.topLeft()), o.Rect.size()));
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
        TvnFrameObjectState& st = m_objects.State(i);
        if (button != mbLeft || !st.Pressed) return;
        st.Pressed = false;
        RepaintObject(i);
        if (MorphEnabled(i)) StartChange(i);
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
        // Without a tray icon component there is no tray to go to.
        if (m_alwaysMinimizeToTray) break;
        SetFrameWindowState(m_windowState == TvnWindowState::wsMinimized ? TvnWindowState::wsNormal
                                                                         : TvnWindowState::wsMinimized);
        break;
    case TvnSkinCommand::cmRollUp:
        SetRollUpState(!m_rollUpState);
        break;
    case TvnSkinCommand::cmMinimizeToTray:
        LeaveAllObjects();
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
    // be stale, so an unknown place counts as the form's own).
    QWidget* top = QApplication::topLevelAt(global);
    if (!m_active || !m_form->rect().contains(p) || (top && top != m_form.data())) {
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
        if (!MorphEnabled(i)) continue;
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
        const bool below = RectBottom(o.Rect) > m_geometry.NewClientRect.y();
        QImage& target = below ? m_paintCache.Strips.Bottom : m_paintCache.Strips.Top;
        const QImage& base = below ? m_paintCache.Base.Bottom : m_paintCache.Base.Top;
        if (!target.isNull()) {
            const int dy = below ? -RectBottom(m_geometry.NewClientRect) : 0;
            QPainter p(&target);
            p.translate(0, dy);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(o.Rect.topLeft(), base, o.Rect.translated(0, dy));
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            DrawFrameObject(p, o, m_objects.State(i), PaintContext(true));
        }
    } else if (m_skinPresent) {
        m_paintCache.Valid = false;
    }
    m_form->update(o.Rect);
}

} // namespace veneer

namespace veneer {

std::vector<TvnSystemMenuEntry> TvnVeneerform::SystemMenuEntries() const
{
    TvnSystemMenuState state;
    state.Minimized = FrameMinimized();
    state.Maximized = FrameMaximized();
    state.RolledUp = m_rollUpState;
    state.Icons = m_borderIcons;
    return DefaultSystemMenu(state, m_skinData ? m_skinData->ResourceStrData() : nullptr);
}

void TvnVeneerform::ShowSystemMenu(const QRect& screenRect)
{
    if (m_disableSystemMenu) return;
    vnmenus::TvnMenuItems items;
    for (const TvnSystemMenuEntry& entry : SystemMenuEntries()) {
        vnmenus::TvnMenuItem item;
        item.Caption = entry.Caption;
        item.ShortCut = entry.ShortCut;
        const TvnSystemMenuAction action = entry.Action;
        item.OnClick = [self = QPointer<TvnVeneerform>(this), action] {
            if (!self) return;
            switch (action) {
            case TvnSystemMenuAction::Minimize:
                self->RunCommand(TvnSkinCommand::cmMinimize);
                break;
            case TvnSystemMenuAction::Maximize:
                self->SetFrameWindowState(TvnWindowState::wsMaximized);
                break;
            case TvnSystemMenuAction::Restore:
                if (self->m_rollUpState)
                    self->SetRollUpState(false);
                else
                    self->SetFrameWindowState(TvnWindowState::wsNormal);
                break;
            case TvnSystemMenuAction::RollUp:
                self->SetRollUpState(true);
                break;
            case TvnSystemMenuAction::MinimizeToTray:
                self->RunCommand(TvnSkinCommand::cmMinimizeToTray);
                break;
            case TvnSystemMenuAction::Close:
                self->m_form->Close();
                break;
            case TvnSystemMenuAction::None:
                break;
            }
        };
        items.push_back(std::move(item));
    }
    if (!m_menuEngine) {
        m_menuEngine = std::make_unique<vnmenus::TvnMenuEngine>();
        // The system-menu button stays down while its menu is open.
        m_menuEngine->OnClose = [this](QObject*) {
            for (int i = 0; i < m_objects.Count(); ++i) {
                const TvnLayoutObject& o = m_objects.LayoutAt(i);
                TvnFrameObjectState& st = m_objects.State(i);
                if (o.Command == TvnSkinCommand::cmSysMenu && st.Pressed) {
                    st.Pressed = false;
                    RepaintObject(i);
                }
            }
        };
    }
    const TvnSkinData* store = m_menusSkinData ? m_menusSkinData.data() : m_skinData.data();
    m_menuEngine->Popup(std::move(items), screenRect, store);
}

} // namespace veneer

namespace veneer {

QString TvnVeneerform::ObjectHint(int i) const
{
    if (i < 0 || i >= m_objects.Count() || !m_skinPresent) return {};
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    const TvnDataSkinObject* record = m_skinData->FrameObject(m_objects.State(i).RecordIndex);
    if (!record) return {};
    const bool button = o.Kind == TvnObjectKind::StdButton || o.Kind == TvnObjectKind::Animate;
    const bool restoreState = (o.Command == TvnSkinCommand::cmMaximize && FrameMaximized())
        || (o.Command == TvnSkinCommand::cmMinimize && FrameMinimized())
        || (o.Command == TvnSkinCommand::cmRollUp && m_rollUpState);
    QString restoreHint;
    if (const auto* b = dynamic_cast<const TvnDataSkinStdButton*>(record)) restoreHint = b->RestoreHint;
    if (const auto* a = dynamic_cast<const TvnDataSkinAnimate*>(record)) restoreHint = a->RestoreHint;
    if (!button || !m_useDefaultObjectHint)
        return button && restoreState && !restoreHint.isEmpty() ? restoreHint : record->Hint;

    const TvnResourceStrData* strings = m_skinData->ResourceStrData();
    const auto text
        = [strings](const char* key, const char* builtIn) { return ResStrOr(strings, key, builtIn); };
    if (restoreState) return text("RESTORE_HINT", "Restore");
    switch (o.Command) {
    case TvnSkinCommand::cmClose:
        return text("CLOSEBUTTON_HINT", "Close");
    case TvnSkinCommand::cmMaximize:
        return text("MAXBUTTON_HINT", "Maximize");
    case TvnSkinCommand::cmMinimize:
        return text("MINBUTTON_HINT", "Minimize");
    case TvnSkinCommand::cmSysMenu:
        return text("MENUBUTTON_HINT", "System menu");
    case TvnSkinCommand::cmRollUp:
        return text("ROLLUPBUTTON_HINT", "Roll Up");
    case TvnSkinCommand::cmMinimizeToTray:
        return text("TRAYBUTTON_HINT", "Minimize to Tray");
    case TvnSkinCommand::cmDefault:
        break;
    }
    return record->Hint;
}

void TvnVeneerform::ShowObjectHint(const QString& text)
{
    HideObjectHint();
    if (!m_hintTimer) {
        m_hintTimer = new QTimer(this);
        m_hintTimer->setSingleShot(true);
        connect(m_hintTimer, &QTimer::timeout, this, [this] {
            if (m_pendingHint.isEmpty()) {
                if (m_hintWindow) m_hintWindow->ReleaseHint();
                return;
            }
            if (!m_hintWindow) m_hintWindow = std::make_unique<TvnSkinHintWindow>();
            // Just below the pointer's arrow, which the platform does not measure for
            // us: the usual arrow's height.
            constexpr int kPointerHeight = 20;
            const QPoint at = QCursor::pos() + QPoint(0, kPointerHeight);
            m_hintWindow->ActivateHint(at, std::exchange(m_pendingHint, {}), m_skinData);
            m_hintTimer->start(kHintHidePause);
        });
    }
    m_pendingHint = text;
    m_hintTimer->start(kHintPause);
}

void TvnVeneerform::HideObjectHint()
{
    m_pendingHint.clear();
    if (m_hintTimer) m_hintTimer->stop();
    if (m_hintWindow && m_hintWindow->isVisible()) m_hintWindow->ReleaseHint();
}

} // namespace veneer

namespace veneer {

void TvnVeneerform::ShowGlow(int i)
{
    // Without compositing the glow's window would hide the button under it.
    if (!m_skinPresent || !m_skinData->ShowCaptionButtonGlowFrames() || !platform::LayeredWindowsAvailable())
        return;
    const TvnDataSkinObject* record = m_skinData->FrameObject(m_objects.State(i).RecordIndex);
    if (!record || record->GlowLayerPictureIndex == -1) return;
    const QImage picture = m_skinData->Picture(record->GlowLayerPictureIndex);
    if (picture.isNull()) return;
    m_glowLayer->SetTopmost(m_form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QPoint at = m_form->mapToGlobal(m_objects.LayoutAt(i).Rect.topLeft())
        - QPoint(record->GlowLayerOffsetX, record->GlowLayerOffsetY);
    m_glowLayer->Show(at.x(), at.y(), record->GlowLayerAlphaBlendValue,
        m_skinData->Picture(record->GlowLayerMaskPictureIndex), picture);
}

void TvnVeneerform::HideGlow() { m_glowLayer->Hide(); }

} // namespace veneer

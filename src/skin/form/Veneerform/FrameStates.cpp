// The frame's own window states: size limits, maximize, minimize, restore, roll-up and
// the caption double click, the move and size messages with the magnetic edges, the
// first-show placement and the fade-in.
#include "MoveSizeLoop.h"
#include "Veneerform.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "platform/Desktop.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <utility>

using namespace vnutils;

namespace veneer {

namespace {

QScreen* ScreenOf(const TForm& form)
{
    // The monitor nearest to the window: the one holding its centre, else Qt's choice.
    if (QScreen* s = QGuiApplication::screenAt(form.geometry().center())) return s;
    if (QScreen* s = form.screen()) return s;
    return QGuiApplication::primaryScreen();
}

// How long the fade-in waits between two of its steps (ms).
constexpr int kFadeStepWait = 6;

} // namespace

bool TvnVeneerform::IsResizable() const
{
    return m_alwaysResize || m_form->BorderStyle() == bsSizeable || m_form->BorderStyle() == bsSizeToolWin;
}

QRect TvnVeneerform::WorkArea() const
{
    QScreen* s = ScreenOf(*m_form);
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect TvnVeneerform::MonitorRect() const
{
    QScreen* s = ScreenOf(*m_form);
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

QSize TvnVeneerform::MaxSize() const
{
    return MaxFrameSize(m_maximizeOnFullScreen ? MonitorRect() : WorkArea(), m_maxWidth, m_maxHeight);
}

int TvnVeneerform::GetMaxWidth() const { return MaxSize().width(); }

int TvnVeneerform::GetMaxHeight() const { return MaxSize().height(); }

bool TvnVeneerform::OnGetMinMaxInfo(TMessage& m)
{
    if (!m_skinnable || m.LParam == 0) return false;
    auto& info = *reinterpret_cast<TMinMaxInfo*>(m.LParam);
    info.MinTrackSize = { GetMinWidth(), GetMinHeight() };
    const QSize max = MaxSize();
    info.MaxTrackSize = { max.width(), max.height() };
    return false;
}

QList<QPoint> TvnVeneerform::MinimizedBarsTaken() const
{
    QList<QPoint> taken;
    for (TForm* form : Screen()->Forms()) {
        if (form == m_form || form == Application()->MainForm() || !form->isVisible()) continue;
        for (auto* frame : form->findChildren<TvnVeneerform*>(Qt::FindDirectChildrenOnly))
            if (frame->FrameWindowState() == TvnWindowState::wsMinimized) taken.append(form->pos());
    }
    return taken;
}

void TvnVeneerform::SetFrameWindowState(TvnWindowState state)
{
    if (!m_skinnable) {
        switch (state) {
        case TvnWindowState::wsNormal:
            m_form->showNormal();
            break;
        case TvnWindowState::wsMinimized:
            m_form->showMinimized();
            break;
        case TvnWindowState::wsMaximized:
            m_form->showMaximized();
            break;
        }
        return;
    }
    if (state == m_windowState) return;
    const TvnWindowState old = m_windowState;
    const bool mainForm = Application()->MainForm() == m_form;
    if (!(state == TvnWindowState::wsMinimized && mainForm)) m_windowState = state;
    GiveSizeLimits();
    switch (state) {
    case TvnWindowState::wsMinimized:
        Minimize();
        break;
    case TvnWindowState::wsMaximized:
        Maximize();
        break;
    case TvnWindowState::wsNormal:
        if (old == TvnWindowState::wsMaximized && m_rollUpState && !m_rolledUpBeforeMaximize) {
            // Rolled up while maximized: the roll-down comes first.
            m_rollUpFromMaximized = false;
            m_rollUpState = false;
        }
        Restore();
        break;
    }
}

void TvnVeneerform::Minimize()
{
    if (Application()->MainForm() == m_form) {
        Application()->Minimize();
    } else {
        if (m_normalBounds.isEmpty()) m_normalBounds = m_form->geometry();
        const QSize bar(GetMinWidth(), GetMinHeight());
        const QList<QPoint> taken = MinimizedBarsTaken();
        const QPoint at = NextMinimizedPlace(WorkArea(), bar, taken);
        m_form->SetBounds(at.x(), at.y(), bar.width(), bar.height());
    }
    RepaintFrame();
    events::Fire(OnMinimize, this);
}

void TvnVeneerform::SetSizeGrip(bool on)
{
    // A maximized form has no size to change: the status bar's grip goes meanwhile.
    if (m_statusBar) m_statusBar->SetSizeGrip(on);
}

void TvnVeneerform::Maximize()
{
    m_rolledUpBeforeMaximize = m_rollUpState;
    if (m_normalBounds.isEmpty()) m_normalBounds = m_form->geometry();
    if (platform::WindowManagerRuns()) {
        // The window manager's maximize: its work area, its task bar entry, its restore.
        m_desktopMaximized = true;
        m_form->setWindowState(m_form->windowState() | Qt::WindowMaximized);
        RepaintFrame();
        SetSizeGrip(false);
        events::Fire(OnMaximize, this);
        return;
    }
    QScreen* s = ScreenOf(*m_form);
    const QRect screen = s ? QRect(QPoint(0, 0), s->virtualSize()) : MonitorRect();
    const QRect bounds = MaximizedBounds(WorkArea(), MonitorRect(), screen, m_maximizeOnFullScreen);
    m_form->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    RepaintFrame();
    SetSizeGrip(false);
    events::Fire(OnMaximize, this);
}

void TvnVeneerform::Restore()
{
    m_rolledUpBeforeMaximize = false;
    m_rollUpFromMaximized = false;
    const QSize before = m_form->size();
    if (Application()->Minimized() && Application()->MainForm() == m_form) Application()->Restore();
    if (std::exchange(m_desktopMaximized, false)) {
        // The window manager puts back the size the window had before.
        m_form->setWindowState(m_form->windowState() & ~Qt::WindowMaximized);
    } else if (!m_normalBounds.isEmpty()) {
        const QRect to = m_normalBounds;
        if (m_firstShow) {
            m_firstShow = false;
            m_form->SetBounds(to.x(), to.y(), to.width(), to.height());
            PlaceInMonitor();
        } else {
            m_form->SetBounds(to.x(), to.y(), to.width(), to.height());
        }
    }
    m_normalBounds = QRect();
    if (m_form->size() == before) WidthNudge();
    m_form->SetTimer(kMouseTimer, kMouseInterval);
    RepaintFrame();
    m_form->update();
    SetSizeGrip(true);
    events::Fire(OnRestore, this);
}

void TvnVeneerform::FollowDesktopState(WPARAM sizeKind)
{
    if (!m_skinnable) return;
    if (sizeKind == msg::SIZE_MAXIMIZED && m_windowState != TvnWindowState::wsMaximized) {
        m_desktopMaximized = true;
        m_windowState = TvnWindowState::wsMaximized;
        m_rolledUpBeforeMaximize = m_rollUpState;
        RepaintFrame();
        SetSizeGrip(false);
        events::Fire(OnMaximize, this);
    } else if (sizeKind == msg::SIZE_RESTORED && m_desktopMaximized) {
        // Restored by the window manager, at the size it kept.
        m_desktopMaximized = false;
        m_windowState = TvnWindowState::wsNormal;
        m_rolledUpBeforeMaximize = false;
        m_rollUpFromMaximized = false;
        m_normalBounds = QRect();
        RepaintFrame();
        SetSizeGrip(true);
        events::Fire(OnRestore, this);
    }
}

void TvnVeneerform::SetRollUpState(bool rolledUp)
{
    if (!m_borderIcons.testFlag(biRollUp) || FrameMinimized()) return;
    if (FrameMaximized() && m_rollUpState && !m_rollUpFromMaximized) return;
    if (rolledUp == m_rollUpState) return;
    if (FrameMaximized()) m_rollUpFromMaximized = rolledUp;
    if (rolledUp) {
        m_rollUpHeight = m_form->height();
        m_rollUpState = true;
        GiveSizeLimits();
        m_form->SetHeight(GetMinHeight());
    } else {
        m_rollUpState = false;
        GiveSizeLimits();
        if (m_clientHeight > 0)
            m_form->SetClientHeight(m_clientHeight);
        else
            m_form->SetHeight(m_rollUpHeight);
    }
    RepaintFrame();
    events::Fire(OnChangeRollUpState, this);
}

void TvnVeneerform::CaptionDoubleClick()
{
    TvnCaptionClickState s;
    s.Resizable = IsResizable();
    s.Minimized = FrameMinimized();
    s.Maximized = FrameMaximized();
    s.RolledUp = m_rollUpState;
    s.RollUpFromMaximized = m_rollUpFromMaximized;
    s.MaximizeIcon = m_borderIcons.testFlag(biMaximize);
    switch (CaptionDoubleClickAction(s)) {
    case TvnCaptionDoubleClick::Restore:
        SetFrameWindowState(TvnWindowState::wsNormal);
        break;
    case TvnCaptionDoubleClick::Maximize:
        SetFrameWindowState(TvnWindowState::wsMaximized);
        break;
    case TvnCaptionDoubleClick::ToggleRollUp:
        SetRollUpState(!m_rollUpState);
        break;
    }
}

bool TvnVeneerform::OnEnterSizeMove(TMessage&)
{
    if (!m_skinnable) return false;
    m_magneticState.Clear();
    ResetObjectMouseStates(false);
    m_form->KillTimer(kMouseTimer);
    HideGlows();
    m_inMoveSize = true;
    return false;
}

bool TvnVeneerform::OnExitSizeMove(TMessage&)
{
    if (!m_skinnable) return false;
    m_form->KillTimer(kMouseTimer);
    m_activeObject = m_captureObject = -1;
    m_inMoveSize = false;
    // The loop's own limits are gone with it.
    GiveSizeLimits();
    if (m_skinPresent) {
        // What the loop's sizes left: the frame at the size the form has now.
        TakeFrameSize();
        RebuildAfterSize();
        RepaintFrame();
    }
    return false;
}

bool TvnVeneerform::OnMoving(TMessage& m)
{
    if (!m_skinnable || m.LParam == 0) return false;
    auto& rect = *reinterpret_cast<QRect*>(m.LParam);
    if (FrameMaximized()) {
        rect = m_form->geometry();
        return false;
    }
    if (m_magnetic) {
        // The proposed rectangle moves with the cursor, so its corner stands for the
        // cursor (only the cursor's travel counts), whoever runs the loop.
        const QPoint at = MagneticPosition(m_magneticState, WorkArea(), rect, rect.topLeft(), m_magneticSize);
        rect = QRect(at, rect.size());
    }
    return false;
}

bool TvnVeneerform::OnSizing(TMessage& m)
{
    if (m.LParam == 0) return false;
    m_magneticState.Clear();
    CallForm(m);
    const auto& rect = *reinterpret_cast<const QRect*>(m.LParam);
    // The size the frame was last shaped for: a window manager's loop reports sizes
    // the form has already taken.
    const QSize shaped(m_frameWidth, m_frameHeight);
    m_frameWidth = rect.width();
    m_frameHeight = rect.height();
    if (!m_skinPresent) {
        if (m_skinnable) UpdateFrameRegion(true);
    } else if (m_skinnable && FrameAtLeastMinimum() && rect.size() != shaped) {
        RebuildAfterSize();
    }
    return true;
}

void TvnVeneerform::GiveSizeLimits()
{
    if (!m_skinnable || (m_minWidth <= 0 && m_minHeight <= 0)) return;
    if (m_rollUpState || m_windowState == TvnWindowState::wsMinimized)
        m_form->setMinimumSize(0, 0);
    else
        m_form->setMinimumSize(GetMinWidth(), GetMinHeight());
}

void TvnVeneerform::PlaceInMonitor()
{
    if (m_positionInMonitor == vnpDefault || m_windowState != TvnWindowState::wsNormal) return;
    const QRect area = m_positionInMonitor == vnpScreenCenter ? MonitorRect() : WorkArea();
    const QPoint at = CentredIn(area, m_form->size());
    m_form->move(at);
}

void TvnVeneerform::WidthNudge()
{
    // The system's nudge (one pixel narrower and back) would cost two trips through the
    // window manager and a flicker here; laying out again at the same size is what it
    // is for.
    m_form->FrameChanged();
    TakeFrameSize();
    if (m_skinPresent && m_skinnable && FrameAtLeastMinimum()) RebuildAfterSize();
    RepaintFrame();
}

void TvnVeneerform::WatchDisplays()
{
    const auto watch = [this](QScreen* screen) {
        const auto changed = [this] {
            if (m_form) m_form->Perform(msg::WM_DISPLAYCHANGE, 0, 0);
        };
        connect(screen, &QScreen::geometryChanged, this, changed);
        connect(screen, &QScreen::availableGeometryChanged, this, changed);
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, watch);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] {
        if (m_form) m_form->Perform(msg::WM_DISPLAYCHANGE, 0, 0);
    });
}

bool TvnVeneerform::OnDisplayChange(TMessage&)
{
    if (m_form->BorderStyle() == bsNone || m_form->isHidden()) return false;
    const QSize max = MaxSize();
    if (m_form->width() <= max.width() && m_form->height() <= max.height()) return false;
    // The smaller display's limits hold at once, as its maximum tracking size would make
    // them hold for the system's nudge; the new size's WM_SIZE lays the frame out again.
    m_form->resize(std::min(m_form->width(), max.width()), std::min(m_form->height(), max.height()));
    return false;
}

bool TvnVeneerform::OnShowWindow(TMessage& m)
{
    if (m.WParam == 0) {
        HideGlows();
        HideObjectHint();
        m_fadeSteps.clear();
        m_form->KillTimer(kFadeTimer);
        if (m_alphaBlend) m_form->setWindowOpacity(1.0);
        return false;
    }
    GiveSizeLimits();
    if (m_firstShow) {
        m_firstShow = false;
        PlaceInMonitor();
    }
    if (m_skinnable) WidthNudge();
    if (m_alphaBlend || m_alphaBlendAnimation) {
        m_form->setWindowOpacity(0.0);
        const int target = !m_alphaBlendAnimation || m_alphaBlend ? m_alphaBlendValue : 255;
        m_fadeSteps = m_alphaBlendAnimation ? FadeSteps(target) : std::vector<int> { target };
        // The steps run from the form's timer: the program answers its events meanwhile.
        m_form->SetTimer(kFadeTimer, kFadeStepWait);
    }
    return false;
}

void TvnVeneerform::SetAlphaBlend(bool on)
{
    if (on == m_alphaBlend) return;
    m_alphaBlend = on;
    ApplyAlphaBlend();
}

void TvnVeneerform::SetAlphaBlendValue(int value)
{
    value = std::clamp(value, 0, 255);
    if (value == m_alphaBlendValue) return;
    m_alphaBlendValue = value;
    if (m_alphaBlend) ApplyAlphaBlend();
}

void TvnVeneerform::ApplyAlphaBlend()
{
    if (!m_form->isVisible()) return; // the next show fades to the new value
    // A fade still running would overwrite the new value with its old target.
    m_fadeSteps.clear();
    m_form->KillTimer(kFadeTimer);
    m_form->setWindowOpacity(m_alphaBlend && m_alphaBlendValue < 255 ? m_alphaBlendValue / 255.0 : 1.0);
}

void TvnVeneerform::FadeStep()
{
    if (m_fadeSteps.empty()) {
        m_form->KillTimer(kFadeTimer);
        return;
    }
    const int level = m_fadeSteps.front();
    m_fadeSteps.erase(m_fadeSteps.begin());
    // Opaque at the end: the window is no longer translucent at all.
    m_form->setWindowOpacity(level >= 255 ? 1.0 : level / 255.0);
    if (m_fadeSteps.empty()) m_form->KillTimer(kFadeTimer);
}

} // namespace veneer

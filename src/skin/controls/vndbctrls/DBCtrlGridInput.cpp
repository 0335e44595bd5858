// The grid's commands and what runs them: its own keys, the keys of the controls on the
// live panel, the mouse and the scroll bar.
#include "DBCtrlGrid.h"
#include "framework/Form.h"
#include "framework/data/DataSet.h"
#include "platform/Keys.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool CanTakeFocus(const QWidget* w)
{
    const QWidget* target = w->focusProxy() ? w->focusProxy() : w;
    return w->isVisible() && w->isEnabled() && target->focusPolicy() != Qt::NoFocus;
}

// Multi-line texts keep Tab and Enter for themselves.
bool WantsTabAndEnter(const QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w)) return true;
    return false;
}

} // namespace

// ---- Focus ---------------------------------------------------------------------------------

bool TvnSkinDBCtrlGrid::FocusInPanel() const
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && focus != m_panel && m_panel->isAncestorOf(focus);
}

bool TvnSkinDBCtrlGrid::AcquireFocus()
{
    const QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == this || isAncestorOf(focus))) return true;
    setFocus(Qt::MouseFocusReason);
    return hasFocus();
}

void TvnSkinDBCtrlGrid::focusInEvent(QFocusEvent* e)
{
    TvnSkinWinControl::focusInEvent(e);
    m_gridFocused = true;
    m_panel->Invalidate();
}

void TvnSkinDBCtrlGrid::focusOutEvent(QFocusEvent* e)
{
    TvnSkinWinControl::focusOutEvent(e);
    m_gridFocused = false;
    m_panel->Invalidate();
}

void TvnSkinDBCtrlGrid::SetEditMode(bool on)
{
    if (on == FocusInPanel()) return;
    if (!on) {
        setFocus(Qt::OtherFocusReason);
        return;
    }
    QList<TControl*> controls;
    for (QObject* child : m_panel->children())
        if (auto* c = qobject_cast<TControl*>(child)) controls.append(c);
    std::stable_sort(controls.begin(), controls.end(),
        [](const TControl* a, const TControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (TControl* c : controls)
        if (CanTakeFocus(c)) {
            c->setFocus(Qt::TabFocusReason);
            return;
        }
}

void TvnSkinDBCtrlGrid::SelectNextControl(bool forward)
{
    QWidget* active = QApplication::focusWidget();
    if (!active || !isAncestorOf(active)) return;
    QList<TControl*> order;
    for (QObject* child : m_panel->children())
        if (auto* c = qobject_cast<TControl*>(child)) order.append(c);
    std::stable_sort(order.begin(), order.end(),
        [](const TControl* a, const TControl* b) { return a->TabOrder() < b->TabOrder(); });
    if (order.isEmpty()) return;
    int start = -1;
    for (int i = 0; i < order.size(); ++i)
        if (order.at(i) == active || order.at(i)->isAncestorOf(active)) start = i;
    if (start < 0) start = forward ? static_cast<int>(order.size()) - 1 : 0;
    const int n = static_cast<int>(order.size());
    int i = start;
    bool wrapped = false;
    TControl* found = nullptr;
    for (int step = 0; step < n; ++step) {
        i += forward ? 1 : -1;
        if (i >= n || i < 0) {
            wrapped = true;
            i = (i + n) % n;
        }
        TControl* c = order.at(i);
        if (c->TabStop() && CanTakeFocus(c)) {
            found = c;
            break;
        }
    }
    if (!found) return;
    if (wrapped) ScrollRecords(forward ? 1 : -1, false);
    if (CanTakeFocus(found)) found->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// ---- Commands ------------------------------------------------------------------------------

void TvnSkinDBCtrlGrid::ExecuteCommand(int command)
{
    TDataSet* ds = m_link.DataSet();
    if (!m_link.Active() || !ds) return;
    const int across = vndb::StepAcross(m_layout);
    const int down = vndb::StepDown(m_layout);
    const int page = m_link.BufferCount();
    switch (command) {
    case kEditMode:
        SetEditMode(!FocusInPanel());
        break;
    case kPriorControl:
        SelectNextControl(false);
        break;
    case kNextControl:
        SelectNextControl(true);
        break;
    case kLeft:
        ScrollRecords(-across, false);
        break;
    case kRight:
        ScrollRecords(across, false);
        break;
    case kUp:
        ScrollRecords(-down, false);
        break;
    case kDown:
        ScrollRecords(down, false);
        break;
    case kLineBack:
        ScrollRecords(-down, true);
        break;
    case kLineForward:
        ScrollRecords(down, true);
        break;
    case kPageBack:
        ScrollRecords(-page, true);
        break;
    case kPageForward:
        ScrollRecords(page, true);
        break;
    case kFirst:
        ds->First();
        break;
    case kLast:
        ds->Last();
        break;
    case kInsert:
    case kAppend:
        // Refused silently where records may not be added.
        if (!m_allowInsert || !ds->CanModify()) break;
        if (command == kInsert)
            ds->Insert();
        else
            ds->Append();
        SetEditMode(true);
        break;
    case kDelete:
        if (!m_allowDelete || !ds->CanModify() || ds->IsEmpty()) break;
        ds->Delete();
        SetEditMode(false);
        break;
    case kCancel:
        ds->Cancel();
        SetEditMode(false);
        break;
    default:
        break;
    }
}

void TvnSkinDBCtrlGrid::ScrollRecords(int d, bool keepPanel)
{
    TDataSet* ds = m_link.DataSet();
    if (!m_link.Active() || !ds || d == 0) return;
    if (ds->State() == db::dsInsert) {
        // A new record is kept when something was typed into it, and dropped when the
        // move goes back or it stands before other records; an untouched one at the end
        // stays where it is.
        if (ds->Modified())
            ds->Post();
        else if (d < 0 || !ds->Eof())
            ds->Cancel();
        return;
    }
    ds->CheckBrowseMode();
    const int buffer = m_link.BufferCount();
    if (keepPanel) {
        if (d < 1)
            m_link.MoveBy(d - m_link.MoveBy(d - m_currentPanel));
        else
            m_link.MoveBy(d - m_link.MoveBy(d + buffer - m_currentPanel - 1));
    } else if (m_currentPanel + d >= 0 && m_currentPanel + d < buffer) {
        m_link.MoveBy(d);
    } else if (m_link.MoveBy(d) == d) {
        const int m = vndb::AlignmentMove(m_layout, m_currentPanel + d, d);
        m_link.MoveBy(-m_link.MoveBy(m));
    }
    if (d == 1 && ds->Eof() && m_allowInsert && ds->CanModify()) {
        ds->Append();
        SetEditMode(true);
    }
}

// ---- Keys ----------------------------------------------------------------------------------

int TvnSkinDBCtrlGrid::CommandForKey(int key, TShiftState shift) const
{
    switch (key) {
    case vk::VK_RETURN:
    case vk::VK_F2:
        return kEditMode;
    case vk::VK_ESCAPE:
        return kCancel;
    case vk::VK_PRIOR:
        return kPageBack;
    case vk::VK_NEXT:
        return kPageForward;
    case vk::VK_END:
        return kLast;
    case vk::VK_HOME:
        return kFirst;
    case vk::VK_LEFT:
        return kLeft;
    case vk::VK_UP:
        return kUp;
    case vk::VK_RIGHT:
        return kRight;
    case vk::VK_DOWN:
        return kDown;
    case vk::VK_INSERT:
        return shift.testFlag(ssCtrl) ? kAppend : kInsert;
    case vk::VK_DELETE:
        return shift.testFlag(ssCtrl) ? kDelete : kNoCommand;
    default:
        return kNoCommand;
    }
}

void TvnSkinDBCtrlGrid::keyPressEvent(QKeyEvent* e)
{

    const int command = CommandForKey(VirtualKeyFromQt(e->key()), ShiftFromModifiers(e->modifiers()));
    if (command == kNoCommand) {
        TvnSkinWinControl::keyPressEvent(e);
        return;
    }
    ExecuteCommand(command);
    e->accept();
}

bool TvnSkinDBCtrlGrid::ChildKey(TControl* child, int key)
{
    if (!child || child == this || !m_panel->isAncestorOf(child)) return false;
    const TShiftState shift = ShiftFromModifiers(QGuiApplication::keyboardModifiers());
    if (OnKeyDown) {
        events::Fire(OnKeyDown, child, key, shift);
        if (key == 0) return true;
    }
    int command = kNoCommand;
    if (key == vk::VK_TAB && !shift.testFlag(ssCtrl) && !WantsTabAndEnter(child))
        command = shift.testFlag(ssShift) ? kPriorControl : kNextControl;
    else if (key == vk::VK_RETURN && !WantsTabAndEnter(child))
        command = kEditMode;
    else if (key == vk::VK_ESCAPE)
        command = kCancel;
    else if (key == vk::VK_F2)
        command = kEditMode;
    if (command == kNoCommand) return false;
    ExecuteCommand(command);
    return true;
}

// ---- Mouse and scrolling --------------------------------------------------------------------

void TvnSkinDBCtrlGrid::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        TvnSkinWinControl::mousePressEvent(e);
        return;
    }
    LeftButtonDown(e);
    e->accept();
}

void TvnSkinDBCtrlGrid::LeftButtonDown(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    if (m_link.Active()) {
        const int hit = vndb::PanelAt(m_layout, at);
        if (hit >= 0 && hit != m_currentPanel && hit < m_filledPanels) {
            m_selecting = true;
            m_link.MoveBy(hit - m_currentPanel);
            m_selecting = false;
            // A windowed control of the live panel, now under the point, takes the click.
            QWidget* under = m_panel->childAt(m_panel->mapFrom(this, at));
            auto* control = qobject_cast<TControl*>(under);
            if (under && !(control && control->Windowless())) {
                QMouseEvent forwarded(e->type(), under->mapFrom(this, e->position()), e->scenePosition(),
                    e->globalPosition(), e->button(), e->buttons(), e->modifiers());
                QApplication::sendEvent(under, &forwarded);
                SkipMouseEvent();
                return;
            }
        }
    }
    if (!AcquireFocus()) return SkipMouseEvent();
    if (m_filledPanels > 0 && PanelRect(m_currentPanel).contains(at)) {
        SetEditMode(false);
        events::Fire(OnClick, this);
    }
}

void TvnSkinDBCtrlGrid::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    e->accept();
    const QPoint at = e->position().toPoint();
    // Qt may report the first press on another panel as the double click itself (two
    // quick clicks on different panels): that press moves the row first.
    const int hit = vndb::PanelAt(m_layout, at);
    if (m_link.Active() && hit >= 0 && hit != m_currentPanel && hit < m_filledPanels) LeftButtonDown(e);
    // With no record there is no panel to hit: a double click anywhere still chooses.
    const bool onLive = m_filledPanels > 0 && PanelRect(m_currentPanel).contains(at);
    const bool noRecord = !m_link.Active() || !m_link.DataSet() || m_link.DataSet()->IsEmpty();
    if (onLive || noRecord) events::Fire(OnDblClick, this);
}

void TvnSkinDBCtrlGrid::ScrollRequest(int code, int position)
{
    if (!AcquireFocus()) return;
    switch (code) {
    case msg::SB_LINEUP:
        ExecuteCommand(kLineBack);
        return;
    case msg::SB_LINEDOWN:
        ExecuteCommand(kLineForward);
        return;
    case msg::SB_PAGEUP:
        ExecuteCommand(kPageBack);
        return;
    case msg::SB_PAGEDOWN:
        ExecuteCommand(kPageForward);
        return;
    case msg::SB_TOP:
        ExecuteCommand(kFirst);
        return;
    case msg::SB_BOTTOM:
        ExecuteCommand(kLast);
        return;
    case msg::SB_THUMBPOSITION: {
        TDataSet* ds = m_link.DataSet();
        if (!m_link.Active() || !ds) return;
        if (position > 1 && position < ds->RecordCount())
            ds->SetRecNo(position);
        else if (position > 1)
            ExecuteCommand(kLast);
        else
            ExecuteCommand(kFirst);
        return;
    }
    default:
        return;
    }
}

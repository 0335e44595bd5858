#include "Form.h"

#include "Application.h"
#include "Control.h"
#include "platform/Keys.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <exception>

class TForm::ClientArea : public QWidget {
public:
    explicit ClientArea(TForm* form)
        : QWidget(form)
        , m_form(form)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_form->Perform(msg::WM_ERASEBKGND, reinterpret_cast<WPARAM>(&painter), 0);
        m_form->Perform(msg::WM_PAINT, reinterpret_cast<WPARAM>(&painter), 0);
    }

private:
    TForm* m_form;
};

TForm::TForm(QObject* owner)
    : QWidget(nullptr)
    , TComponentBase(this)
    , TMessageTarget(this)
    , m_client(new ClientArea(this))
    , m_font(new TFont(this))
{
    SetOwner(owner);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    connect(m_font, &TFont::Changed, this, [this] { setFont(m_font->ToQFont()); });
    setFont(m_font->ToQFont());
    ApplyWindowFlags();
    Screen()->AddForm(this);
    if (!Application()->MainForm()) Application()->SetMainForm(this);
    Application()->WatchForms();
}

TForm::~TForm()
{
    // Owned non-visual components go first, while the form is still whole: a frame
    // component gives the window procedure it hooked back on its way out.
    QList<QPointer<QObject>> owned;
    for (QObject* child : children())
        if (qobject_cast<TComponent*>(child)) owned.append(child);
    for (const QPointer<QObject>& component : owned)
        delete component.data();
    Screen()->RemoveForm(this);
    if (m_modalLoop) m_modalLoop->exit();
}

void TForm::SetCaption(const QString& caption)
{
    QString text = caption;
    Perform(msg::WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&text));
}

QWidget* TForm::ClientWidget() const { return m_client; }

QRect TForm::ClientRect() const
{
    QRect r(0, 0, width(), height());
    const_cast<TForm*>(this)->Perform(msg::WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

void TForm::FrameChanged()
{
    QRect client = ClientRect();
    if (!m_shownOnce && (m_declaredClient.width() > 0 || m_declaredClient.height() > 0)) {
        const int w
            = m_declaredClient.width() > 0 ? m_declaredClient.width() + width() - client.width() : width();
        const int h = m_declaredClient.height() > 0 ? m_declaredClient.height() + height() - client.height()
                                                    : height();
        if (w != width() || h != height()) {
            setGeometry(x(), y(), w, h);
            client = ClientRect();
        }
    }
    m_client->setGeometry(client);
}

void TForm::SetOwnFrame(bool ownFrame)
{
    if (ownFrame == m_ownFrame) return;
    m_ownFrame = ownFrame;
    ApplyWindowFlags();
    FrameChanged();
    update();
}

void TForm::SetBounds(int left, int top, int w, int h)
{
    const QSize old = size();
    setGeometry(left, top, w, h);
    // A hidden widget hears of its new size only when shown; the client widget must
    // be in place before that (controls are laid out and measured while loading), and
    // the window procedure hears of the size at once, as a hidden window's does.
    FrameChanged();
    if (!isVisible() && size() != old) SendSize();
}

void TForm::SendSize()
{
    const WPARAM kind = isMaximized() ? msg::SIZE_MAXIMIZED
        : isMinimized()               ? msg::SIZE_MINIMIZED
                                      : msg::SIZE_RESTORED;
    const QRect client = m_client->geometry();
    Perform(msg::WM_SIZE, kind, MakeLParam(client.width(), client.height()));
}

void TForm::SetClientWidth(int w)
{
    if (!m_shownOnce) m_declaredClient.setWidth(w);
    const QRect client = ClientRect();
    SetWidth(w + (width() - client.width()));
}

void TForm::SetClientHeight(int h)
{
    if (!m_shownOnce) m_declaredClient.setHeight(h);
    const QRect client = ClientRect();
    SetHeight(h + (height() - client.height()));
}

void TForm::SetBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style;
    ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    m_borderIcons = icons;
    ApplyWindowFlags();
}

void TForm::SetColor(TColor color)
{
    m_color = color;
    m_client->update();
}

void TForm::ApplyWindowFlags()
{
    // A modal window is a dialog of its owner for the window manager: kept above it, and
    // no task-bar entry of its own.
    const Qt::WindowType window = m_modalLoop ? Qt::Dialog : Qt::Window;
    Qt::WindowFlags flags = window;
    const bool tool = m_borderStyle == bsToolWindow || m_borderStyle == bsSizeToolWin;
    if (m_ownFrame)
        flags = (tool ? Qt::Tool : window) | Qt::FramelessWindowHint;
    else
        switch (m_borderStyle) {
        case bsNone:
            flags |= Qt::FramelessWindowHint;
            break;
        case bsDialog:
            flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
            break;
        case bsToolWindow:
        case bsSizeToolWin:
            flags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
            break;
        case bsSingle:
        case bsSizeable:
            flags |= Qt::WindowTitleHint | Qt::CustomizeWindowHint;
            if (m_borderIcons.testFlag(biSystemMenu))
                flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            if (m_borderIcons.testFlag(biMinimize)) flags |= Qt::WindowMinimizeButtonHint;
            if (m_borderIcons.testFlag(biMaximize) && m_borderStyle == bsSizeable)
                flags |= Qt::WindowMaximizeButtonHint;
            break;
        }
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible) QWidget::setVisible(true);
}

void TForm::ApplyPosition()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area;
    switch (m_position) {
    case poScreenCenter:
    case poDesktopCenter:
        area = screen->geometry();
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        auto* owner = qobject_cast<QWidget*>(OwnerObject());
        if (m_position == poMainFormCenter) owner = Application()->MainForm();
        area = owner && owner != this ? owner->frameGeometry() : screen->geometry();
        break;
    }
    default:
        return;
    }
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void TForm::setVisible(bool visible)
{
    std::exception_ptr showFailure;
    if (visible && isHidden()) {
        if (!m_positioned) {
            m_positioned = true;
            ApplyPosition();
        }
        // As in the classic framework, OnShow runs before the window appears. A handler
        // that fails stops there, but the window still appears; its caller hears of the
        // error once the window is up.
        try {
            DoShow();
        } catch (...) {
            showFailure = std::current_exception();
        }
    }
    if (visible == isHidden()) Perform(msg::WM_SHOWWINDOW, visible ? 1 : 0, 0);
    if (visible) m_shownOnce = true;
    const bool appearing = visible && isHidden();
    QWidget::setVisible(visible);
    // A window that appears while none of the program's is active takes the keyboard, as
    // shown windows do on the desktop the product comes from; without a window manager
    // (a kiosk) nobody else would give it.
    const QWidget* active = QApplication::activeWindow();
    if (appearing && (!active || !active->isVisible())) activateWindow();
    if (showFailure) std::rethrow_exception(showFailure);
}

void TForm::DoShow() { events::Fire(OnShow, this); }

void TForm::Loaded()
{
    TComponentBase::Loaded();
    FrameChanged();
    // The declared TabOrder values are what Tab follows once the whole form is read.
    TControl::ApplyTabOrder(ClientWidget());
    events::Fire(OnCreate, this);
}

void TForm::SetModalResult(TModalResult result)
{
    m_modalResult = result;
    if (result != mrNone && m_modalLoop) m_modalLoop->exit();
}

namespace {

// The window a modal form belongs to: the one the user was in, else the form's owner,
// else the main form; only a window on the screen counts.
QWidget* ModalOwner(TForm* form)
{
    auto* owner = qobject_cast<QWidget*>(form->OwnerObject());
    for (QWidget* w : { QApplication::activeWindow(), owner ? owner->window() : nullptr,
             static_cast<QWidget*>(Application()->MainForm()) })
        if (w && w != form && w->isVisible()) return w;
    return nullptr;
}

} // namespace

TModalResult TForm::ShowModal()
{
    m_modalResult = mrNone;
    const QPointer<QWidget> owner = ModalOwner(this);
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    m_modalLoop = &loop;
    ApplyWindowFlags();
    if (owner) {
        create();
        windowHandle()->setTransientParent(owner->windowHandle());
    }
    QPointer<TForm> self(this);
    try {
        Show();
        // A modal window is where the user types next; without a window manager (a
        // kiosk, a virtual screen) nobody else hands it the keyboard.
        TApplication::ActivateNow(this);
    } catch (...) {
        // The loop never runs: the form leaves no modal state behind, and the error
        // ends the handler that opened it.
        if (self) EndModal(owner);
        throw;
    }
    while (self && m_modalResult == mrNone && !Application()->Terminated() && isVisible())
        loop.exec();
    if (!self) {
        if (owner) TApplication::ActivateNow(owner);
        return mrCancel;
    }
    if (m_modalResult == mrNone) m_modalResult = mrCancel;
    EndModal(owner);
    return m_modalResult;
}

void TForm::EndModal(QWidget* owner)
{
    m_modalLoop = nullptr;
    Hide();
    setWindowModality(Qt::NonModal);
    ApplyWindowFlags();
    // The owner is where the user goes on, with the keyboard on the control it had, with
    // or without a window manager to hand it over.
    if (owner) TApplication::ActivateNow(owner);
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    events::Fire(OnCloseQuery, this, canClose);
    return canClose;
}

void TForm::Close()
{
    if (!CloseQuery()) return;
    if (m_modalLoop) {
        SetModalResult(m_modalResult == mrNone ? mrCancel : m_modalResult);
        return;
    }
    if (Application()->MainForm() == this) {
        Application()->Terminate();
        QWidget::setVisible(false);
        return;
    }
    Hide();
}

void TForm::Release() { deleteLater(); }

void TForm::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case msg::WM_SETTEXT:
        m_caption = *reinterpret_cast<const QString*>(m.LParam);
        setWindowTitle(m_caption);
        m.Result = 1;
        break;
    case msg::WM_ERASEBKGND: {
        auto* painter = reinterpret_cast<QPainter*>(m.WParam);
        painter->fillRect(m_client->rect(), ToQColor(m_color));
        m.Result = 1;
        break;
    }
    case msg::WM_NCHITTEST: {
        const QPoint p = mapFromGlobal(QPoint(LoWordSigned(m.LParam), HiWordSigned(m.LParam)));
        m.Result = ClientRect().contains(p) ? ht::HTCLIENT : ht::HTNOWHERE;
        break;
    }
    case msg::WM_NCLBUTTONDOWN: {
        QWindow* window = windowHandle();
        if (!window) break;
        const LRESULT hit = static_cast<LRESULT>(m.WParam);
        if (hit == ht::HTCAPTION)
            window->startSystemMove();
        else if (const Qt::Edges edges = ht::SizingEdges(hit))
            window->startSystemResize(edges);
        break;
    }
    case msg::WM_NCACTIVATE:
        m.Result = 1;
        break;
    case msg::WM_NEXTDLGCTL:
        // wParam 0: the next control in tab order, 1: the previous one.
        focusNextPrevChild(m.WParam == 0);
        break;
    case msg::WM_CLOSE:
        Close();
        break;
    // The focus change reaches every control of the form from here (the skin
    // notifications are relayed by the form's frame component).
    case msg::CM_FOCUSCHANGED: {
        TMessage relayed { m.Msg, m.WParam, m.LParam, 0 };
        TControl::Broadcast(m_client, relayed);
        break;
    }
    // Enter, Esc and accelerators go to the first control that answers them.
    case msg::CM_DIALOGKEY:
    case msg::CM_DIALOGCHAR:
        m.Result = TControl::Broadcast(m_client, m, true);
        // A dialog whose controls leave Esc alone (no cancel button) is closed by it, as
        // by its close button.
        if (!m.Result && m.Msg == msg::CM_DIALOGKEY && m.WParam == vk::VK_ESCAPE && IsModal()
            && m.LParam == 0) {
            Close();
            m.Result = 1;
        }
        break;
    case msg::WM_SYSCOMMAND:
        switch (m.WParam & 0xFFF0) {
        case msg::SC_MINIMIZE:
            showMinimized();
            break;
        case msg::SC_MAXIMIZE:
            showMaximized();
            break;
        case msg::SC_RESTORE:
            showNormal();
            break;
        case msg::SC_CLOSE:
            Close();
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
}

bool TForm::event(QEvent* e)
{
    if (HandleMessageEvent(e)) return true;
    return QWidget::event(e);
}

void TForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Perform(msg::WM_NCPAINT, 0, reinterpret_cast<LPARAM>(&painter));
}

void TForm::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    FrameChanged();
    SendSize();
}

void TForm::moveEvent(QMoveEvent* e)
{
    QWidget::moveEvent(e);
    const QPoint origin = mapToGlobal(m_client->pos());
    Perform(msg::WM_MOVE, 0, MakeLParam(origin.x(), origin.y()));
}

void TForm::closeEvent(QCloseEvent* e)
{
    // The window manager's close goes through the same rules as Close().
    e->ignore();
    Close();
}

void TForm::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        Perform(msg::WM_NCACTIVATE, active ? 1 : 0, 0);
        Perform(msg::WM_ACTIVATE, active ? msg::WA_ACTIVE : msg::WA_INACTIVE, 0);
    } else if (e->type() == QEvent::WindowStateChange) {
        // The window manager maximized, restored or iconified the window: the size's
        // kind changed, whether or not the size did.
        SendSize();
    }
    QWidget::changeEvent(e);
}

void TForm::SendNonClientMouse(QMouseEvent* e, UINT leftMsg, UINT rightMsg, UINT middleMsg)
{
    const QPoint global = e->globalPosition().toPoint();
    const LPARAM point = MakeLParam(global.x(), global.y());
    const LRESULT hit = Perform(msg::WM_NCHITTEST, 0, point);
    UINT message = leftMsg;
    if (e->button() == Qt::RightButton)
        message = rightMsg;
    else if (e->button() == Qt::MiddleButton)
        message = middleMsg;
    if (message) Perform(message, static_cast<WPARAM>(hit), point);
}

void TForm::mousePressEvent(QMouseEvent* e)
{
    SendNonClientMouse(e, msg::WM_NCLBUTTONDOWN, msg::WM_NCRBUTTONDOWN, msg::WM_NCMBUTTONDOWN);
}

void TForm::mouseReleaseEvent(QMouseEvent* e)
{
    SendNonClientMouse(e, msg::WM_NCLBUTTONUP, msg::WM_NCRBUTTONUP, msg::WM_NCMBUTTONUP);
}

void TForm::mouseDoubleClickEvent(QMouseEvent* e)
{
    SendNonClientMouse(e, msg::WM_NCLBUTTONDBLCLK, msg::WM_NCRBUTTONDBLCLK, 0);
}

void TForm::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint global = e->globalPosition().toPoint();
    const LPARAM point = MakeLParam(global.x(), global.y());
    Perform(msg::WM_NCMOUSEMOVE, static_cast<WPARAM>(Perform(msg::WM_NCHITTEST, 0, point)), point);
}

bool TForm::DispatchKey(QObject* receiver, QKeyEvent* e)
{
    int key = VirtualKeyFromQt(e->key());
    const TShiftState shift = ShiftFromModifiers(e->modifiers());
    // A key typed into the form itself (no control has the focus) is the form's own
    // key, which its handlers see with or without the preview.
    const bool formSeesKey = m_keyPreview || receiver == this;
    // 0. The form's short cuts, which come before anything the controls do with a key.
    if (key && IsShortCut(key, shift)) return true;
    // 1. The form's key-down preview.
    if (formSeesKey && OnKeyDown && key) {
        events::Fire(OnKeyDown, this, key, shift);
        if (key == 0) return true;
    }
    // 2. The focused control's OnKeyDown, the controls around it (a control grid acts on
    //    the keys of the controls on its panel), then the control's own key-down handling
    //    (a button pressed by Enter), which keeps the key from becoming a character.
    for (QObject* o = receiver; o && o != this; o = o->parent()) {
        auto* control = qobject_cast<TControl*>(o);
        if (!control) continue;
        if (key && control->OnKeyDown) {
            // A handler may close the window or remove the control (a choice made with Enter).
            QPointer<TControl> alive(control);
            events::Fire(control->OnKeyDown, control, key, shift);
            if (key == 0 || !alive) return true;
        }
        if (key && NotifyChildKey(control, key)) return true;
        if (key
            && control->Perform(
                msg::CN_KEYDOWN, static_cast<WPARAM>(key), static_cast<LPARAM>(shift.toInt())))
            return true;
        break;
    }
    if (DispatchDialogKeys(receiver, e, key, shift)) return true;
    return DispatchCharacter(receiver, e, formSeesKey);
}

bool TForm::DispatchCharacter(QObject* receiver, QKeyEvent* e, bool formSeesKey)
{
    if (e->text().isEmpty()) return false;
    const QChar typed = e->text().at(0);
    QChar ch = typed;
    // 4. The form's character preview, then the focused control's OnKeyPress (Tab moves
    //    the focus and is no character of the control's).
    if (formSeesKey) events::Fire(OnKeyPress, this, ch);
    TControl* control = ControlOf(receiver);
    if (control && !ch.isNull() && typed != u'\t') {
        QPointer<TControl> alive(control);
        events::Fire(control->OnKeyPress, control, ch);
        if (!alive) return true;
    }
    if (ch.isNull()) return true;
    if (ch == typed) return false;
    // A handler replaced the character: the widget receives the new one, past the
    // filters that have seen the key already.
    QKeyEvent replaced(e->type(), e->key(), e->modifiers(), QString(ch));
    static_cast<QObject*>(receiver)->event(&replaced);
    return true;
}

bool TForm::DispatchKeyUp(QObject* receiver, QKeyEvent* e)
{
    // Qt repeats a held key as pairs of release and press; the framework hears the one
    // release at the end.
    if (e->isAutoRepeat()) return false;
    TControl* control = ControlOf(receiver);
    int key = VirtualKeyFromQt(e->key());
    if (!control || !control->OnKeyUp || !key) return false;
    events::Fire(control->OnKeyUp, control, key, ShiftFromModifiers(e->modifiers()));
    return key == 0;
}

TControl* TForm::ControlOf(QObject* receiver) const
{
    for (QObject* o = receiver; o && o != this; o = o->parent())
        if (auto* control = qobject_cast<TControl*>(o)) return control;
    return nullptr;
}

bool TForm::IsShortCut(int key, TShiftState shift)
{
    bool handled = false;
    events::Fire(OnShortCut, key, shift, handled);
    return handled;
}

bool TForm::NotifyChildKey(TControl* control, int key)
{
    for (QWidget* w = control->parentWidget(); w && w != this; w = w->parentWidget())
        if (auto* outer = qobject_cast<TControl*>(w))
            if (outer->Perform(msg::CM_CHILDKEY, static_cast<WPARAM>(key), reinterpret_cast<LPARAM>(control)))
                return true;
    return false;
}

bool TForm::FocusWantsAllKeys(QObject* receiver, int key)
{
    for (QObject* o = receiver; o && o != this; o = o->parent())
        if (auto* control = qobject_cast<TControl*>(o))
            return (control->Perform(msg::WM_GETDLGCODE, static_cast<WPARAM>(key), 0)
                       & dlgc::DLGC_WANTALLKEYS)
                != 0;
    return false;
}

bool TForm::DispatchDialogKeys(QObject* receiver, QKeyEvent* e, int key, TShiftState shift)
{
    // 3. Enter and Esc are offered to the controls (the default and cancel buttons);
    //    other navigation keys stay with Qt's focus handling. A focused control that
    //    wants every key (a browser's page) keeps them.
    if ((key == vk::VK_RETURN || key == vk::VK_ESCAPE) && !FocusWantsAllKeys(receiver, key))
        if (Perform(msg::CM_DIALOGKEY, static_cast<WPARAM>(key), static_cast<LPARAM>(shift.toInt())))
            return true;
    // An accelerator: a character typed with Alt, or one typed where the focus does
    // not take text.
    if (e->text().isEmpty() || !e->text().at(0).isPrint()) return false;
    auto* focused = qobject_cast<QWidget*>(receiver);
    const bool takesText = focused && focused->testAttribute(Qt::WA_InputMethodEnabled);
    if (!shift.testFlag(ssAlt) && takesText) return false;
    return Perform(msg::CM_DIALOGCHAR, static_cast<WPARAM>(e->text().at(0).unicode()), 0) != 0;
}

TControl* TForm::ActiveControl() const
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this) return nullptr;
    for (QWidget* w = focus; w && w != this; w = w->parentWidget())
        if (auto* control = qobject_cast<TControl*>(w)) return control;
    return nullptr;
}

void TForm::FocusChanged()
{
    MoveFocusedControl(ActiveControl());
    Perform(msg::CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(ActiveControl()));
}

void TForm::MoveFocusedControl(TControl* now)
{
    if (m_focusedControl == now) return;
    const auto chain = [this](TControl* c) {
        QList<QPointer<TControl>> controls;
        for (QWidget* w = c; w && w != this; w = w->parentWidget())
            if (auto* control = qobject_cast<TControl*>(w)) controls.append(control);
        return controls;
    };
    QList<QPointer<TControl>> left = chain(m_focusedControl);
    QList<QPointer<TControl>> entered = chain(now);
    m_focusedControl = now;
    // A container holding both controls keeps the focus: it hears neither.
    while (!left.isEmpty() && !entered.isEmpty() && left.last() == entered.last()) {
        left.removeLast();
        entered.removeLast();
    }
    // A handler may free a control on the way.
    for (const QPointer<TControl>& c : left)
        if (c) c->Perform(msg::CM_EXIT, 0, 0);
    for (auto c = entered.crbegin(); c != entered.crend(); ++c)
        if (*c) (*c)->Perform(msg::CM_ENTER, 0, 0);
}

void TForm::keyPressEvent(QKeyEvent* e)
{
    // Keys that reach the form itself (no focused control) are seen here once.
    QWidget* focus = QApplication::focusWidget();
    if ((focus == nullptr || focus == this) && DispatchKey(this, e)) return;
    QWidget::keyPressEvent(e);
}

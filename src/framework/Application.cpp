#include "Application.h"

#include "Drag.h"
#include "Exception.h"
#include "Form.h"
#include "MessageBox.h"
#include "MouseDelivery.h"
#include "declared/DeclaredLoader.h"
#include "platform/Desktop.h"
#include "platform/Fonts.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace {

// How long the X server gets to map a restored window before it can take the focus (ms).
constexpr int kIconifyWait = 300;

} // namespace

TApplication::TApplication() { Reset(); }

void TApplication::SetTitle(const QString& title)
{
    m_title = title;
    QGuiApplication::setApplicationDisplayName(title);
}

void TApplication::Reset()
{
    m_title = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QGuiApplication::setApplicationDisplayName(QString());
    m_mainForm = nullptr;
    m_terminated = false;
    m_running = false;
    m_minimized = false;
    m_minimizedForms.clear();
}

TForm* TApplication::MainForm() const { return m_mainForm; }

void TApplication::SetMainForm(TForm* form) { m_mainForm = form; }

TApplication* Application()
{
    static TApplication* app = new TApplication;
    return app;
}

int TApplication::Run()
{
    declared::CheckPendingReferences();
    // The main form's first show runs outside any event, so an error of its handlers
    // reaches the standard error box here, as it would from the message loop; the
    // window is up by then and the program goes on.
    if (m_mainForm && !m_terminated) {
        try {
            m_mainForm->Show();
        } catch (const std::exception& error) {
            HandleException(error);
        }
    }
    // Showing the main form runs its first-show handler, which may already have ended
    // the program (a login closed without success).
    if (m_terminated) return 0;
    m_running = true;
    const int result = QApplication::exec();
    m_running = false;
    return result;
}

void TApplication::Terminate()
{
    m_terminated = true;
    // Modal loops end with Cancel; the main loop, once it runs, ends too. Telling Qt to
    // exit before its main loop runs would make every later local loop return at once.
    for (TForm* form : Screen()->Forms())
        if (form->IsModal()) form->SetModalResult(mrCancel);
    if (m_running) QCoreApplication::exit(0);
}

QString TApplication::ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.') return message + u'.';
    return message;
}

void TApplication::ShowException(const QString& message)
{
    MessageBoxWithCaption(ErrorBoxText(message), m_title, TMsgDlgType::mtError, mbOK);
}

void TApplication::HandleException(const std::exception& error)
{
    if (auto* e = dynamic_cast<const Exception*>(&error))
        ShowException(e->Message());
    else
        ShowException(QString::fromUtf8(error.what()));
}

void TApplication::WatchForms()
{
    // A new Qt application (one per test program run) needs the filter again.
    if (m_watched == QCoreApplication::instance()) return;
    m_watched = QCoreApplication::instance();
    m_watched->installEventFilter(this);
}

void TApplication::ActivateNow(QWidget* window)
{
    if (!window || !window->isVisible() || window == QApplication::activeWindow()) return;
    window->activateWindow();
    QApplication::setActiveWindow(window);
}

namespace {

// Windows that never take the activation: menus, hints, glow layers.
bool TakesActivation(const QWidget* window)
{
    const Qt::WindowType type = window->windowType();
    return type != Qt::Popup && type != Qt::ToolTip && !window->testAttribute(Qt::WA_ShowWithoutActivating)
        && !window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus);
}

} // namespace

bool TApplication::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        // The click that activates a window also reaches the control under the pointer
        // (a button takes the focus and is pressed): the activation comes first, before
        // the window manager's (or, without one, nobody's) focus change arrives.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isVisible() && TakesActivation(widget->window())) ActivateNow(widget->window());
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::FocusIn) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only the first delivery counts (Qt offers a key to each parent in turn when a
    // child ignores it); keys that reach a form itself are its own keyPressEvent's.
    if (!widget || widget != QApplication::focusWidget()) return false;
    auto* form = qobject_cast<TForm*>(widget->window());
    if (!form || form == widget) return false;
    if (type == QEvent::FocusIn) {
        form->FocusChanged();
        return false;
    }
    if (type == QEvent::KeyRelease) return form->DispatchKeyUp(widget, static_cast<QKeyEvent*>(event));
    return form->DispatchKey(widget, static_cast<QKeyEvent*>(event));
}

TForm* TScreen::ActiveForm() const
{
    for (TForm* f : m_forms)
        if (f->isActiveWindow()) return f;
    return nullptr;
}

void TScreen::AddForm(TForm* form)
{
    if (!m_forms.contains(form)) m_forms.append(form);
}

void TScreen::RemoveForm(TForm* form) { m_forms.removeAll(form); }

TScreen* Screen()
{
    static TScreen* screen = new TScreen;
    return screen;
}

TQtApplication::TQtApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    fonts::InstallSubstitutes();
}

bool TQtApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        if (drag::Filter(receiver, event)) return true;
        if (mouse::IsMouseEvent(event->type()))
            return mouse::Deliver(receiver, event, [&] { return QApplication::notify(receiver, event); });
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Application()->HandleException(error);
    }
    return false;
}

bool TApplication::Minimized() const
{
    if (!m_minimized) return false;
    for (const auto& [form, unmapped] : m_minimizedForms)
        if (form && (unmapped ? !form->isVisible() : form->isMinimized())) return true;
    return false;
}

void TApplication::Minimize()
{
    // Once more even when minimized before: the desktop may have restored the windows.
    m_minimized = true;
    m_minimizedForms.clear();
    // A window manager iconifies the windows, keeps them in its task bar and says so in
    // their state (WM_STATE, _NET_WM_STATE_HIDDEN); whether it unmaps them is its own
    // affair, and a window it manages is never unmapped here (it would withdraw it). With
    // nobody to iconify them the windows are unmapped, so that the screen still clears.
    // (Off screen nothing shows, and Qt keeps the state itself.)
    const bool unmap
        = QGuiApplication::platformName() == QLatin1String("xcb") && !platform::WindowManagerRuns();
    for (TForm* form : Screen()->Forms()) {
        if (!form->isVisible()) continue;
        m_minimizedForms.append({ form, unmap });
        form->setWindowState(form->windowState() | Qt::WindowMinimized);
    }
    if (!unmap) return;
    for (const auto& [form, unmapped] : std::as_const(m_minimizedForms))
        form->QWidget::setVisible(false);
}

void TApplication::Restore()
{
    if (!m_minimized) return;
    m_minimized = false;
    const auto forms = std::exchange(m_minimizedForms, {});
    for (const auto& [form, unmapped] : forms) {
        if (!form) continue;
        form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
        // Shown again as the window it was: not a first show, no OnShow.
        if (unmapped) form->QWidget::setVisible(true);
        form->raise();
    }
    // The focus can go to a window only once the server has mapped it again.
    QTimer::singleShot(kIconifyWait, this, [forms] {
        for (const auto& [form, unmapped] : forms)
            if (form && form->isVisible() && form == Application()->MainForm()) form->activateWindow();
    });
}

#pragma once
// The application object and the screen: the title, the main form, the end of the
// program, the standard error box, and the list of forms in creation order.
#include <QApplication>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <exception>

class TForm;

class TApplication : public QObject {
    Q_OBJECT
public:
    // The program file's name without extension until set. Once set it is also the name
    // the desktop shows for the program (task bar, window list); window captions stay
    // the forms' own.
    QString Title() const { return m_title; }
    void SetTitle(const QString& title);

    // The first form created; closing it ends the program.
    TForm* MainForm() const;
    void SetMainForm(TForm* form);

    // Shows the main form and runs the message loop until Terminate. Checks first that
    // every reference of the declared data found its module. An error raised while the
    // main form is first shown goes to the standard error box; the loop runs all the same.
    int Run();
    void Terminate();
    bool Terminated() const { return m_terminated; }
    // True while Run's message loop runs.
    bool Running() const { return m_running; }

    // The whole application out of sight and back: every visible form is minimized
    // (iconified by the window manager, whose state is trusted). Where no window manager
    // runs (a bare X server) they are unmapped instead, so that minimizing still clears
    // the screen; Restore brings back what Minimize took away.
    void Minimize();
    void Restore();
    // True while a form Minimize took away is still out of sight (the window manager's
    // task bar may have brought them back since).
    bool Minimized() const;

    // The standard error box for an error that escaped a handler: the message, with
    // "." appended when its last character sorts after ".", the title as caption, an
    // error icon and an OK button.
    void HandleException(const std::exception& error);
    void ShowException(const QString& message);
    static QString ErrorBoxText(const QString& message);

    // Forgets the state of a previous run (tests create several applications' worth
    // of forms in one process).
    void Reset();

    // Makes `window` the active window now, for the program as for the desktop: a click
    // or a closing modal window does not wait for the window manager (or for nobody,
    // without one) to hand the activation over.
    static void ActivateNow(QWidget* window);

    // Every form's keys and focus changes pass through one event filter on the Qt
    // application; a form asks for it when it is created.
    void WatchForms();

protected:
    // The key preview, the dialog keys and the focus notification of whichever form
    // holds the widget that has the focus; a press on an inactive window activates it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend TApplication* Application();
    TApplication();
    QPointer<QCoreApplication> m_watched;
    QString m_title;
    QPointer<TForm> m_mainForm;
    bool m_terminated = false;
    bool m_running = false;
    bool m_minimized = false;
    // The forms Minimize took away, and whether each had to be unmapped.
    QList<QPair<QPointer<TForm>, bool>> m_minimizedForms;
};

TApplication* Application();

class TScreen : public QObject {
    Q_OBJECT
public:
    // Every form that exists, in creation order.
    const QList<TForm*>& Forms() const { return m_forms; }
    int FormCount() const { return static_cast<int>(m_forms.size()); }
    TForm* ActiveForm() const;

    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

private:
    QList<TForm*> m_forms;
};

TScreen* Screen();

// The Qt application the product runs in: an error thrown by a handler while an event
// is delivered reaches the standard error box, and the program keeps running.
class TQtApplication : public QApplication {
    Q_OBJECT
public:
    TQtApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

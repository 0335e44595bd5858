#pragma once
// The form: a top-level window with a caption, a client area and the behaviour the
// windows rely on (position, border style, key preview, first show, close query,
// modal loop).
//
// The window procedure sees the window as the classic design does. The form's own
// widget is the whole window; its client widget, where every declared control lives,
// sits where the answer to WM_NCCALCSIZE puts it. Mouse input outside the client widget
// becomes WM_NCHITTEST followed by non-client mouse messages, and painting outside it
// is WM_NCPAINT. A frame component can hook the window procedure to take all of this
// over; an unhooked form keeps the platform's frame and a client area that fills it.
//
// Painting messages carry the painter: WM_NCPAINT in lParam, WM_ERASEBKGND and
// WM_PAINT in wParam (where the classic design passes a device context).
#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Font.h"
#include "framework/MessageTarget.h"
#include "framework/Types.h"
#include "platform/Colors.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QEventLoop;
class TControl;

class TForm : public QWidget, public TComponentBase, public TMessageTarget {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(fw::TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(fw::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(fw::TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
    Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE SetKeyPreview)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(TNotifyEvent OnShow MEMBER OnShow)
    Q_PROPERTY(TNotifyEvent OnCreate MEMBER OnCreate)
    Q_PROPERTY(TKeyPressEvent OnKeyPress MEMBER OnKeyPress)
    Q_PROPERTY(TKeyEvent OnKeyDown MEMBER OnKeyDown)
    Q_PROPERTY(TCloseQueryEvent OnCloseQuery MEMBER OnCloseQuery)
    Q_PROPERTY(TShortCutEvent OnShortCut MEMBER OnShortCut)
    Q_PROPERTY(QWidget* ClientContainer READ ClientWidget)
public:
    explicit TForm(QObject* owner = nullptr);
    ~TForm() override;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    int Left() const { return x(); }
    void SetLeft(int left) { move(left, y()); }
    int Top() const { return y(); }
    void SetTop(int top) { move(x(), top); }
    int Width() const { return width(); }
    void SetWidth(int w) { SetBounds(x(), y(), w, height()); }
    int Height() const { return height(); }
    void SetHeight(int h) { SetBounds(x(), y(), width(), h); }
    // Moves and sizes the window; the client widget follows at once, shown or not.
    void SetBounds(int left, int top, int width, int height);

    // The client area's size; setting it sizes the window around it by the current
    // non-client insets.
    int ClientWidth() const { return ClientRect().width(); }
    void SetClientWidth(int w);
    int ClientHeight() const { return ClientRect().height(); }
    void SetClientHeight(int h);
    // The client rectangle in window coordinates, as WM_NCCALCSIZE answers it.
    QRect ClientRect() const;
    QWidget* ClientWidget() const;
    // Asks WM_NCCALCSIZE again and moves the client widget (after a frame hook changed
    // its insets). Until the form is first shown it keeps the client size it was given
    // (ClientWidth, ClientHeight), so the window grows or shrinks around it: the declared
    // size of a window is the size of its client area.
    void FrameChanged();
    // A frame component that draws the whole frame itself makes the window frameless;
    // false gives the platform's frame back.
    void SetOwnFrame(bool ownFrame);
    bool OwnFrame() const { return m_ownFrame; }

    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool preview) { m_keyPreview = preview; }
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TFont* Font() const { return m_font; }

    // Modal life: ShowModal shows the form application-modal and runs a local message
    // loop until ModalResult becomes non-zero (or the program ends), then hides the
    // form and returns the result.
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result);
    TModalResult ShowModal();
    bool IsModal() const { return m_modalLoop != nullptr; }

    void Show() { setVisible(true); }
    void Hide() { setVisible(false); }
    // Asks OnCloseQuery; a modal form then ends its loop with mrCancel, the main form
    // ends the program, any other form hides.
    void Close();
    // Frees the form once the current message is done.
    void Release();

    void setVisible(bool visible) override;

    // The control that has the keyboard focus inside this form, or none.
    TControl* ActiveControl() const;
    // Offers a key typed in the form to OnShortCut, before the form's key preview and
    // its controls; true when the handler took it.
    bool IsShortCut(int key, TShiftState shift);

    TNotifyEvent OnShow;
    TNotifyEvent OnCreate;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyDown;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

    void WndProc(TMessage& message) override;
    void Loaded() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // Called once before the form first becomes visible, and every time it is shown.
    virtual void DoShow();
    bool CloseQuery();

private:
    friend class TApplication;
    class ClientArea;
    ClientArea* m_client;
    TFont* m_font;
    QString m_caption;
    TPosition m_position = poDesigned;
    TFormBorderStyle m_borderStyle = bsSizeable;
    TBorderIcons m_borderIcons = TBorderIcons(biSystemMenu | biMinimize | biMaximize);
    bool m_keyPreview = false;
    // The control that had the focus at the last focus change.
    QPointer<TControl> m_focusedControl;
    TColor m_color = clr::clBtnFace;
    TModalResult m_modalResult = mrNone;
    QEventLoop* m_modalLoop = nullptr;
    bool m_positioned = false;
    bool m_ownFrame = false;
    bool m_shownOnce = false;
    // The client size given before the first show (0: none given).
    QSize m_declaredClient;

    void ApplyWindowFlags();
    void ApplyPosition();
    // Leaves the modal state and gives the activation back to `owner`.
    void EndModal(QWidget* owner);
    // Tells the controls the focus leaves (CM_EXIT) and enters (CM_ENTER) on its way from
    // the last focused control to `now`.
    void MoveFocusedControl(TControl* now);

    // WM_SIZE with the client widget's present size.
    void SendSize();
    void SendNonClientMouse(QMouseEvent* event, UINT leftMsg, UINT rightMsg, UINT middleMsg);
    // A key typed in the window: the form's short cuts, its key-down preview, the focused control's
    // key-down handling, the dialog keys and accelerators the controls answer, then the
    // character: the form's preview and the focused control's OnKeyPress. Returns true
    // when one of them swallowed the key. A key going up reaches the control's OnKeyUp.
    bool DispatchKey(QObject* receiver, QKeyEvent* event);
    bool DispatchCharacter(QObject* receiver, QKeyEvent* event, bool formSeesKey);
    bool DispatchKeyUp(QObject* receiver, QKeyEvent* event);
    // The control that holds `receiver` (the focused widget), or is it.
    TControl* ControlOf(QObject* receiver) const;
    // CM_CHILDKEY to the controls around `control`; true when one of them took the key.
    bool NotifyChildKey(TControl* control, int key);
    bool DispatchDialogKeys(QObject* receiver, QKeyEvent* event, int key, TShiftState shift);
    // Whether the control holding the focus answers WM_GETDLGCODE with every key.
    bool FocusWantsAllKeys(QObject* receiver, int key);
    // The focus moved to another widget of this form: the controls hear of it.
    void FocusChanged();
};

// A window opened for one modal run: released when its owner goes out of scope, however
// the run ends (a result, an error, the program ending).
struct TReleaseForm {
    void operator()(TForm* form) const { form->Release(); }
};
template <class T> using TModalForm = std::unique_ptr<T, TReleaseForm>;

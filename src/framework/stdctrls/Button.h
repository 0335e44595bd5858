#pragma once
// The plain push button. Enter while it has the focus presses it before the key becomes
// a character; its modal result, when set, ends its form's modal loop.
#include "framework/Control.h"

class QPushButton;

class TButton : public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(TNotifyEvent OnClick MEMBER OnClick)
public:
    explicit TButton(QObject* owner = nullptr);

    QString Caption() const;
    void SetCaption(const QString& caption);
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }

    // Runs the click: the form's modal result, then OnClick.
    void Click();

    QPushButton* PushButton() const { return m_button; }
    TNotifyEvent OnClick;

    void WndProc(TMessage& message) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void FontChanged() override;

private:
    QPushButton* m_button;
    TModalResult m_modalResult = mrNone;
};

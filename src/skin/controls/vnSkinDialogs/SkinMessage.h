#pragma once
// TvnSkinMessage: message boxes in the program's skin. Each MessageDlg builds a
// TvnSkinMessageForm (the skinned frame of SkinData, the text as a skinned label and one
// skinned button per answer, all from CtrlSkinData), shows it modally and frees it.
//
// Texts come from the store's resource strings when it has them (MSG_CAP_CONFIRM,
// MSG_BTN_OK, ...), else the framework's own, so a skinned box and a plain one read alike.
// Enter presses the default button; Esc, or closing the window, answers as Cancel (or No,
// or Abort, or the only button), never as consent.
#include "framework/Component.h"
#include "framework/Form.h"
#include "framework/MessageBox.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <QList>
#include <QPointer>

class TvnSkinButton;
class TvnSkinStdLabel;
namespace veneer {
class TvnVeneerform;
}

class TvnSkinMessageForm : public TForm {
    Q_OBJECT
public:
    TvnSkinMessageForm(TvnSkinData* frameSkin, TvnSkinData* ctrlSkin, const QString& text, TMsgDlgType type,
        TMsgDlgButtons buttons, TMsgDlgBtn defaultButton);

    veneer::TvnVeneerform* Frame() const { return m_frame; }
    TvnSkinStdLabel* Text() const { return m_text; }
    // In the framework's order (Yes, No, OK, Cancel, ...).
    const QList<TvnSkinButton*>& Buttons() const { return m_buttons; }
    // What Esc and closing the window answer.
    TModalResult CancelResult() const { return m_cancelResult; }

private:
    QString ResText(const char* name, const char* builtIn) const;
    void Layout();

    QPointer<TvnSkinData> m_ctrlSkin;
    veneer::TvnVeneerform* m_frame = nullptr;
    TvnSkinStdLabel* m_text = nullptr;
    QList<TvnSkinButton*> m_buttons;
    TModalResult m_cancelResult = mrCancel;
};

class TvnSkinMessage : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TvnSkinData* SkinData READ SkinData WRITE SetSkinData)
    Q_PROPERTY(TvnSkinData* CtrlSkinData READ CtrlSkinData WRITE SetCtrlSkinData)
public:
    explicit TvnSkinMessage(QObject* owner = nullptr);

    TvnSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TvnSkinData* store) { m_skinData = store; }
    // The controls' store; none: the frame's.
    TvnSkinData* CtrlSkinData() const { return m_ctrlSkinData ? m_ctrlSkinData : m_skinData; }
    void SetCtrlSkinData(TvnSkinData* store) { m_ctrlSkinData = store; }

    // Shows `text` and returns the answer (mrOk, mrYes, ...; the cancel answer when the
    // window is closed otherwise), as the framework's MessageDlg does.
    TModalResult MessageDlg(
        const QString& text, TMsgDlgType type, TMsgDlgButtons buttons, TMsgDlgBtn defaultButton = {});
    // The window while a box is shown, else nullptr.
    TvnSkinMessageForm* Form() const { return m_form; }

private:
    QPointer<TvnSkinData> m_skinData;
    QPointer<TvnSkinData> m_ctrlSkinData;
    TvnSkinMessageForm* m_form = nullptr;
};

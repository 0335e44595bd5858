#pragma once
// The mask edit: the plain edit with an input mask, the keyboard habits of a dialog
// field and a mode in which the line edit draws only its text on a transparent
// background, so the control (or a derived one) paints the face and frame behind it.
//
// Enter and Esc never reach the line edit: OnKeyPress runs with the character and,
// unless it cleared the key, the form receives CM_DIALOGKEY (its default and cancel
// buttons answer). A read-only field takes no typing, Delete, cut, paste or undo, but
// copies and selects. With AutoSelect, gaining the focus from the keyboard or from code
// selects the whole text; a click places the caret.
#include "framework/stdctrls/Edit.h"

// Which of the usual edit commands apply to the field as it is now.
struct TEditCommands {
    bool Undo = false;
    bool Cut = false;
    bool Copy = false;
    bool Paste = false;
    bool Delete = false;
    bool SelectAll = false;
};

class TMaskEdit : public TEdit {
    Q_OBJECT
    Q_PROPERTY(QString EditMask READ EditMask WRITE SetEditMask)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(fw::TAlignment Alignment READ Alignment WRITE SetAlignment)
public:
    explicit TMaskEdit(QObject* owner = nullptr);

    // Qt's input-mask syntax ("999.999;_"); empty for free text.
    QString EditMask() const;
    void SetEditMask(const QString& mask);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    bool Modified() const;

    void SelectAll();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // Removes the selected text.
    void ClearSelection();
    void Undo();
    bool CanUndo() const;
    TEditCommands Commands() const;

    void WndProc(TMessage& message) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void PaintFace(QPainter& painter) override;
    QColor TextBackground() const override;
    // Handles Enter and Esc as dialog keys; true when the key was taken.
    bool DialogKey(int key, TShiftState shift);

private:
    bool m_autoSelect = true;
    bool m_transparent = false;
    TAlignment m_alignment = taLeftJustify;

    bool Swallowed(QKeyEvent* event) const;
};

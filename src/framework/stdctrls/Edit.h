#pragma once
// The plain edit: one line of text with optional case conversion and password
// character, a single-line border or none, and a flat look.
#include "framework/Control.h"

class QLineEdit;
class QPainter;

class TEdit : public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(fw::TEditCharCase CharCase READ CharCase WRITE SetCharCase)
    Q_PROPERTY(QString PasswordChar READ PasswordChar WRITE SetPasswordChar)
    Q_PROPERTY(fw::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(TNotifyEvent OnChange MEMBER OnChange)
public:
    explicit TEdit(QObject* owner = nullptr);

    QString Text() const;
    void SetText(const QString& text);
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase charCase);
    // One character shown in place of each character of the text; empty shows the text.
    QString PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(const QString& ch);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool ctl3D);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    // The selection outlives the focus; while the edit has no focus it is drawn only
    // when this is false.
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool hide);

    QLineEdit* LineEdit() const { return m_edit; }
    // What the edit shows on screen (the password characters, when set).
    QString DisplayText() const;

    TNotifyEvent OnChange;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void FontChanged() override;
    void ColorChanged() override;

    // Where the line edit sits: inside the border. A derived edit with a frame of its
    // own returns its text area.
    virtual QRect EditRect() const;
    // What the control paints behind and around the line edit: the border.
    virtual void PaintFace(QPainter& painter);
    // The colour the line edit fills its background with before its text.
    virtual QColor TextBackground() const;
    // Sets the line edit's frame, palette and place again after a change of look.
    void ApplyLook();
    // Draws the selection or hides it, as the focus and HideSelection want now.
    void ShowSelection();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
    TEditCharCase m_charCase = ecNormal;
    QString m_passwordChar;
    TBorderStyle m_borderStyle = bsSingleBorder;
    bool m_ctl3D = true;
    int m_maxLength = 0;
    bool m_hideSelection = true;
};

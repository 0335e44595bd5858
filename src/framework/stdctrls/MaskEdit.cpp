#include "MaskEdit.h"

#include "framework/Form.h"
#include "platform/Keys.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>

TMaskEdit::TMaskEdit(QObject* owner)
    : TEdit(owner)
{
    ApplyLook();
}

QString TMaskEdit::EditMask() const { return LineEdit()->inputMask(); }

void TMaskEdit::SetEditMask(const QString& mask) { LineEdit()->setInputMask(mask); }

void TMaskEdit::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    ApplyLook();
}

void TMaskEdit::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    static constexpr Qt::Alignment kAlign[] = { Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter };
    LineEdit()->setAlignment(kAlign[alignment] | Qt::AlignVCenter);
}

int TMaskEdit::SelStart() const
{
    return LineEdit()->hasSelectedText() ? LineEdit()->selectionStart() : LineEdit()->cursorPosition();
}

void TMaskEdit::SetSelStart(int start) { LineEdit()->setCursorPosition(start); }

int TMaskEdit::SelLength() const { return LineEdit()->selectionLength(); }

void TMaskEdit::SetSelLength(int length) { LineEdit()->setSelection(SelStart(), length); }

QString TMaskEdit::SelText() const { return LineEdit()->selectedText(); }

bool TMaskEdit::Modified() const { return LineEdit()->isModified(); }

void TMaskEdit::SelectAll() { LineEdit()->selectAll(); }

void TMaskEdit::CopyToClipboard() { LineEdit()->copy(); }

void TMaskEdit::CutToClipboard()
{
    if (!ReadOnly()) LineEdit()->cut();
}

void TMaskEdit::PasteFromClipboard()
{
    if (!ReadOnly()) LineEdit()->paste();
}

void TMaskEdit::ClearSelection()
{
    if (!ReadOnly()) LineEdit()->del();
}

void TMaskEdit::Undo()
{
    if (!ReadOnly()) LineEdit()->undo();
}

bool TMaskEdit::CanUndo() const { return !ReadOnly() && LineEdit()->isUndoAvailable(); }

TEditCommands TMaskEdit::Commands() const
{
    const bool selected = LineEdit()->hasSelectedText();
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    TEditCommands c;
    c.Undo = CanUndo();
    c.Cut = selected && !ReadOnly();
    c.Copy = selected;
    c.Paste = !ReadOnly() && clip && clip->hasText();
    c.Delete = selected && !ReadOnly();
    c.SelectAll = LineEdit()->selectedText() != LineEdit()->text() || Text().isEmpty();
    return c;
}

bool TMaskEdit::DialogKey(int key, TShiftState shift)
{
    if (key != vk::VK_RETURN && key != vk::VK_ESCAPE) return false;
    QChar ch(key == vk::VK_RETURN ? u'\r' : u'\x1b');
    events::Fire(OnKeyPress, this, ch);
    if (ch.isNull()) return true;
    if (auto* form = qobject_cast<TForm*>(window()))
        form->Perform(msg::CM_DIALOGKEY, static_cast<WPARAM>(key), static_cast<LPARAM>(shift.toInt()));
    return true;
}

void TMaskEdit::WndProc(TMessage& m)
{
    if (m.Msg == msg::CN_KEYDOWN
        && DialogKey(static_cast<int>(m.WParam), TShiftState::fromInt(static_cast<int>(m.LParam)))) {
        m.Result = 1;
        return;
    }
    TEdit::WndProc(m);
}

bool TMaskEdit::Swallowed(QKeyEvent* e) const
{
    // Qt's read-only line edit already refuses typing, cut, paste and undo; these are
    // the edits it would still allow through the keys of other desktops.
    if (!ReadOnly()) return false;
    return e->key() == Qt::Key_Delete || e->key() == Qt::Key_Backspace || e->matches(QKeySequence::Cut)
        || e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Undo)
        || e->matches(QKeySequence::Redo);
}

bool TMaskEdit::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != LineEdit()) return TEdit::eventFilter(watched, e);
    switch (e->type()) {
    case QEvent::KeyPress: {
        // The form has run OnKeyPress by now (a replaced character comes back here).
        if (Swallowed(static_cast<QKeyEvent*>(e))) return true;
        break;
    }
    case QEvent::FocusIn: {
        // The line edit's own handling first (it selects on Tab); then ours decides.
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        static_cast<QObject*>(LineEdit())->event(e);
        // Focus coming back from a popup (the context menu) keeps the selection the
        // menu's command works on.
        if (reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason) {
            if (m_autoSelect)
                LineEdit()->selectAll();
            else
                LineEdit()->deselect();
        }
        ShowSelection();
        return true;
    }
    default:
        break;
    }
    return TEdit::eventFilter(watched, e);
}

QColor TMaskEdit::TextBackground() const
{
    return m_transparent ? QColor(Qt::transparent) : TEdit::TextBackground();
}

void TMaskEdit::PaintFace(QPainter& painter)
{
    if (m_transparent) painter.fillRect(EditRect(), ToQColor(Color()));
    TEdit::PaintFace(painter);
}

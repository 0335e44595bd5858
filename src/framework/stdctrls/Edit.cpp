#include "Edit.h"

#include "framework/Edges.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QValidator>

namespace {

// Converts what is typed or pasted, keeping the cursor where it was.
class CaseConverter : public QValidator {
public:
    CaseConverter(TEditCharCase charCase, QObject* parent)
        : QValidator(parent)
        , m_charCase(charCase)
    {
    }
    State validate(QString& input, int&) const override
    {
        if (m_charCase == ecUpperCase)
            input = input.toUpper();
        else if (m_charCase == ecLowerCase)
            input = input.toLower();
        return Acceptable;
    }

private:
    TEditCharCase m_charCase;
};

// The password character comes from the style; this one answers with the edit's own.
class PasswordStyle : public QProxyStyle {
public:
    explicit PasswordStyle(QChar ch)
        : m_char(ch)
    {
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* ret) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter) return m_char.unicode();
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }

private:
    QChar m_char;
};

} // namespace

TEdit::TEdit(QObject* owner)
    : TControl(owner)
    , m_edit(new QLineEdit(this))
{
    setFocusProxy(m_edit);
    m_edit->installEventFilter(this);
    SetTabStop(true);
    SetColor(clr::clWindow);
    SetParentColor(false);
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        // Text that does not come through the keyboard (SetText, a screen reader or voice
        // control setting the text) takes the edit's case as typed text does: a password
        // dictated in lower case must reach the login as the keyboard would send it.
        QString cased = text;
        int pos = 0;
        if (m_edit->validator()) m_edit->validator()->validate(cased, pos);
        if (cased != text) return m_edit->setText(cased);
        events::Fire(OnChange, this);
    });
    ApplyLook();
}

QString TEdit::Text() const { return m_edit->text(); }

void TEdit::SetText(const QString& text) { m_edit->setText(text); }

void TEdit::SetCharCase(TEditCharCase charCase)
{
    m_charCase = charCase;
    delete m_edit->validator();
    m_edit->setValidator(charCase == ecNormal ? nullptr : new CaseConverter(charCase, m_edit));
    QString text = m_edit->text();
    int pos = 0;
    if (m_edit->validator()) m_edit->validator()->validate(text, pos);
    m_edit->setText(text);
}

void TEdit::SetPasswordChar(const QString& ch)
{
    m_passwordChar = ch.left(1);
    if (m_passwordChar.isEmpty()) {
        m_edit->setEchoMode(QLineEdit::Normal);
        m_edit->setStyle(nullptr);
        return;
    }
    auto* style = new PasswordStyle(m_passwordChar.at(0));
    style->setParent(m_edit);
    m_edit->setStyle(style);
    m_edit->setEchoMode(QLineEdit::Password);
}

QString TEdit::DisplayText() const { return m_edit->displayText(); }

void TEdit::SetBorderStyle(TBorderStyle style)
{
    m_borderStyle = style;
    ApplyLook();
}

void TEdit::SetCtl3D(bool ctl3D)
{
    m_ctl3D = ctl3D;
    ApplyLook();
}

bool TEdit::ReadOnly() const { return m_edit->isReadOnly(); }

void TEdit::SetReadOnly(bool readOnly) { m_edit->setReadOnly(readOnly); }

void TEdit::SetMaxLength(int length)
{
    m_maxLength = length;
    m_edit->setMaxLength(length > 0 ? length : 32767);
}

void TEdit::SetHideSelection(bool hide)
{
    m_hideSelection = hide;
    ShowSelection();
}

void TEdit::ShowSelection()
{
    QPalette p = m_edit->palette();
    const QPalette standard = QApplication::palette(m_edit);
    const bool shown = !m_hideSelection || m_edit->hasFocus();
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        p.setColor(group, QPalette::Highlight,
            shown ? standard.color(group, QPalette::Highlight) : p.color(group, QPalette::Base));
        p.setColor(group, QPalette::HighlightedText,
            shown ? standard.color(group, QPalette::HighlightedText) : p.color(group, QPalette::Text));
    }
    m_edit->setPalette(p);
}

bool TEdit::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != m_edit || e->type() != QEvent::FocusOut) return TControl::eventFilter(watched, e);
    // Qt's line edit drops its selection with the focus; the edit keeps it, so code (and
    // the user coming back) still finds what was selected.
    const bool selected = m_edit->hasSelectedText();
    const int start = m_edit->selectionStart();
    const int length = m_edit->selectionLength();
    const bool caretAtStart = m_edit->cursorPosition() == start;
    static_cast<QObject*>(m_edit)->event(e);
    if (selected && !m_edit->hasSelectedText()) {
        if (caretAtStart)
            m_edit->setSelection(start + length, -length);
        else
            m_edit->setSelection(start, length);
    }
    ShowSelection();
    return true;
}

void TEdit::FontChanged()
{
    m_edit->setFont(font());
    ApplyLook();
}

void TEdit::ColorChanged() { ApplyLook(); }

void TEdit::ApplyLook()
{
    // The border is painted by the control itself: one grey line when single and flat,
    // a sunken pair of lines when 3D; the line edit inside draws no frame of its own.
    m_edit->setFrame(false);
    QPalette p = m_edit->palette();
    p.setColor(QPalette::Base, TextBackground());
    p.setColor(QPalette::Text, ToQColor(Font()->Color()));
    m_edit->setPalette(p);
    ShowSelection();
    m_edit->setGeometry(EditRect());
    update();
}

QRect TEdit::EditRect() const
{
    const int border = m_borderStyle == bsSingleBorder ? (m_ctl3D ? 2 : 1) : 0;
    return rect().adjusted(border, border, -border, -border);
}

QColor TEdit::TextBackground() const { return ToQColor(Color()); }

void TEdit::resizeEvent(QResizeEvent* e)
{
    TControl::resizeEvent(e);
    m_edit->setGeometry(EditRect());
}

void TEdit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintFace(painter);
}

void TEdit::PaintFace(QPainter& painter)
{
    if (m_borderStyle != bsSingleBorder) return;
    const QRect r = rect();
    if (!m_ctl3D) {
        painter.setPen(ToQColor(clr::clWindowFrame));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    DrawSunkenEdge(painter, r);
}

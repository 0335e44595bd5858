#include "Control.h"

#include "Drag.h"
#include "MouseDelivery.h"

#include <QEvent>
#include <algorithm>
#include <optional>

TControl::TControl(QObject* owner)
    : QWidget(nullptr)
    , TComponentBase(this)
    , TMessageTarget(this)
    , m_font(new TFont(this))
{
    SetOwner(owner);
    setFocusPolicy(Qt::NoFocus);
    connect(m_font, &TFont::Changed, this, [this] {
        if (m_applyingFont) return;
        // A font of its own: the control no longer follows its parent's.
        m_parentFont = false;
        setFont(m_font->ToQFont());
        FontChanged();
    });
}

void TControl::SetBounds(int left, int top, int w, int h)
{
    const QSize old = size();
    setGeometry(left, top, std::max(0, w), std::max(0, h));
    // A hidden widget hears of its new size only when shown; its aligned children must
    // be in place before that.
    if (size() != old && !testAttribute(Qt::WA_WState_Visible)) AlignControls();
}

void TControl::SetVisible(bool visible)
{
    setVisible(visible);
    Perform(msg::CM_VISIBLECHANGED, visible ? 1 : 0, 0);
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == isEnabled()) return;
    setEnabled(enabled);
    Perform(msg::CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetTabOrder(int order) { m_tabOrder = order; }

void TControl::SetTabStop(bool stop)
{
    m_tabStop = stop;
    QWidget* target = focusProxy() ? focusProxy() : this;
    target->setFocusPolicy(stop ? Qt::StrongFocus : (focusProxy() ? Qt::ClickFocus : Qt::NoFocus));
}

void TControl::ApplyTabOrder(QWidget* container)
{
    QList<TControl*> controls;
    for (QObject* child : container->children())
        if (auto* c = qobject_cast<TControl*>(child)) controls.append(c);
    std::stable_sort(controls.begin(), controls.end(),
        [](const TControl* a, const TControl* b) { return a->TabOrder() < b->TabOrder(); });
    QWidget* previous = nullptr;
    for (TControl* c : controls) {
        if (previous) QWidget::setTabOrder(previous, c);
        previous = c;
        ApplyTabOrder(c);
    }
}

void TControl::SetParentFont(bool parentFont)
{
    m_parentFont = parentFont;
    if (parentFont && parentWidget()) {
        setFont(QFont());
        FontChanged();
    }
}

void TControl::SetColor(TColor color)
{
    if (color == m_color) return;
    m_color = color;
    m_parentColor = false;
    Perform(msg::CM_COLORCHANGED, 0, 0);
    ColorChanged();
}

void TControl::SetParentColor(bool parentColor)
{
    m_parentColor = parentColor;
    if (parentColor)
        if (auto* parent = qobject_cast<TControl*>(parentWidget())) m_color = parent->Color();
    ColorChanged();
}

void TControl::SetHint(const QString& hint)
{
    m_hint = hint;
    setToolTip(m_showHint ? hint : QString());
}

void TControl::SetShowHint(bool show)
{
    m_showHint = show;
    setToolTip(show ? m_hint : QString());
}

void TControl::SetAlign(TAlign align)
{
    m_align = align;
    RealignParent();
}

void TControl::RealignParent()
{
    if (auto* parent = qobject_cast<TControl*>(parentWidget())) parent->AlignControls();
}

void TControl::SetParent(QWidget* parent)
{
    const QRect bounds = geometry();
    const bool hidden = isHidden();
    setParent(parent);
    setGeometry(bounds);
    if (!hidden) show();
}

LRESULT TControl::Broadcast(QWidget* container, TMessage& message, bool untilAnswered)
{
    // A snapshot: a control may create or delete others while it handles the message.
    QList<QPointer<QWidget>> children;
    for (QObject* child : container->children())
        if (auto* w = qobject_cast<QWidget*>(child)) children.append(w);
    for (const QPointer<QWidget>& child : children) {
        if (!child || child->isWindow()) continue;
        if (auto* control = qobject_cast<TControl*>(child.data())) {
            control->Dispatch(message);
            if (untilAnswered && message.Result) return message.Result;
        }
        if (!child) continue;
        Broadcast(child, message, untilAnswered);
        if (untilAnswered && message.Result) return message.Result;
    }
    return message.Result;
}

void TControl::AlignControls()
{
    // The client area is measured only once a child is aligned to it: a page control
    // measures it with its font, which loaded that font (its glyph engine, over a
    // million instructions) for every page control created, aligned children or not.
    std::optional<QRect> client;
    for (QObject* child : children()) {
        auto* c = qobject_cast<TControl*>(child);
        if (!c || c->isHidden() || c->Align() == alNone) continue;
        if (!client) {
            client = rect();
            AdjustClientRect(*client);
        }
        QRect& room = *client;
        switch (c->Align()) {
        case alTop:
            c->SetBounds(room.left(), room.top(), room.width(), c->Height());
            room.setTop(room.top() + c->Height());
            break;
        case alBottom:
            c->SetBounds(room.left(), room.bottom() + 1 - c->Height(), room.width(), c->Height());
            room.setBottom(room.bottom() - c->Height());
            break;
        case alLeft:
            c->SetBounds(room.left(), room.top(), c->Width(), room.height());
            room.setLeft(room.left() + c->Width());
            break;
        case alRight:
            c->SetBounds(room.right() + 1 - c->Width(), room.top(), c->Width(), room.height());
            room.setRight(room.right() - c->Width());
            break;
        case alClient:
            c->SetBounds(room.left(), room.top(), room.width(), room.height());
            break;
        case alNone:
            break;
        }
    }
}

void TControl::WndProc(TMessage& m)
{
    if (m.Msg == msg::CM_ENTER) events::Fire(OnEnter, this);
    if (m.Msg == msg::CM_EXIT) events::Fire(OnExit, this);
}

bool TControl::event(QEvent* e)
{
    if (HandleMessageEvent(e)) return true;
    switch (e->type()) {
    case QEvent::Enter:
        Perform(msg::CM_MOUSEENTER, 0, 0);
        break;
    case QEvent::Leave:
        Perform(msg::CM_MOUSELEAVE, 0, 0);
        break;
    case QEvent::ParentChange:
        if (m_parentColor)
            if (auto* parent = qobject_cast<TControl*>(parentWidget())) m_color = parent->Color();
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

void TControl::mousePressEvent(QMouseEvent* e)
{
    QWidget::mousePressEvent(e);
    DoMouseEvent();
}

void TControl::mouseDoubleClickEvent(QMouseEvent* e)
{
    QWidget::mouseDoubleClickEvent(e);
    DoMouseEvent();
}

void TControl::mouseMoveEvent(QMouseEvent* e)
{
    QWidget::mouseMoveEvent(e);
    DoMouseEvent();
}

void TControl::mouseReleaseEvent(QMouseEvent* e)
{
    QWidget::mouseReleaseEvent(e);
    DoMouseEvent();
}

void TControl::DoMouseEvent() { mouse::RunFrameworkEvent(this, true); }

void TControl::SkipMouseEvent() { mouse::RunFrameworkEvent(this, false); }

void TControl::BeginDrag(bool immediate, int threshold) { drag::Begin(this, immediate, threshold); }

void TControl::EndDrag(bool drop)
{
    if (Dragging()) drag::End(drop);
}

bool TControl::Dragging() const { return drag::UnderWay() && drag::Source() == this; }

void TControl::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    AlignControls();
}

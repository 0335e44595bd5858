#include "AccessibleForm.h"

#include "framework/Form.h"
#include "skin/form/Veneerform/Veneerform.h"

#include <QPointer>

namespace vnaccess {

namespace {

using veneer::TvnObjectKind;

// What a caption button is called when the skin gives it no hint.
QString CommandName(TvnSkinCommand command)
{
    switch (command) {
    case TvnSkinCommand::cmClose:
        return QStringLiteral("Close");
    case TvnSkinCommand::cmMaximize:
        return QStringLiteral("Maximize");
    case TvnSkinCommand::cmMinimize:
        return QStringLiteral("Minimize");
    case TvnSkinCommand::cmSysMenu:
        return QStringLiteral("System menu");
    case TvnSkinCommand::cmRollUp:
        return QStringLiteral("Roll up");
    case TvnSkinCommand::cmMinimizeToTray:
        return QStringLiteral("Minimize to tray");
    default:
        return {};
    }
}

// Item `Index()` is the frame object of that index in the frame's list.
class TvnAccessibleCaptionButton : public TvnAccessibleItem {
public:
    using TvnAccessibleItem::TvnAccessibleItem;

    veneer::TvnVeneerform* Frame() const { return static_cast<const TvnAccessibleForm*>(parent())->Frame(); }
    bool Exists() const
    {
        veneer::TvnVeneerform* frame = Frame();
        return frame && Index() < frame->Objects().Count();
    }

    bool isValid() const override { return TvnAccessibleItem::isValid() && Exists(); }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !Exists()) return {};
        const QString hint = Frame()->ObjectHint(Index());
        return hint.isEmpty() ? CommandName(Frame()->Objects().LayoutAt(Index()).Command) : hint;
    }
    QRect rect() const override
    {
        return Exists() ? ScreenRect(Frame()->Objects().LayoutAt(Index()).Rect) : QRect();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!Exists()) return s;
        const auto& object = Frame()->Objects().State(Index());
        s.disabled = !object.Available;
        s.pressed = object.Pressed;
        s.hotTracked = object.MouseIn;
        return s;
    }
    QStringList actionNames() const override { return { pressAction() }; }
    void doAction(const QString& action) override
    {
        if (action != pressAction() || !Exists() || !Frame()->Objects().State(Index()).Available) return;
        QPointer<veneer::TvnVeneerform> frame = Frame();
        const TvnSkinCommand command = frame->Objects().LayoutAt(Index()).Command;
        Defer(frame, [frame, command] {
            if (frame) frame->RunCommand(command);
        });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

} // namespace

TvnAccessibleForm::TvnAccessibleForm(TForm* form)
    : TvnAccessibleItemOwner(form, QAccessible::Window)
{
}

QAccessible::Role TvnAccessibleForm::role() const
{
    return static_cast<TForm*>(widget())->IsModal() ? QAccessible::Dialog : QAccessible::Window;
}

QString TvnAccessibleForm::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) return widget()->windowTitle();
    return QAccessibleWidget::text(t);
}

veneer::TvnVeneerform* TvnAccessibleForm::Frame() const
{
    return widget()->findChild<veneer::TvnVeneerform*>();
}

QList<int> TvnAccessibleForm::CaptionButtons() const
{
    QList<int> buttons;
    veneer::TvnVeneerform* frame = Frame();
    if (!frame) return buttons;
    const auto& objects = frame->Objects();
    for (int i = 0; i < objects.Count(); ++i) {
        const auto& o = objects.LayoutAt(i);
        const bool button = o.Kind == TvnObjectKind::StdButton || o.Kind == TvnObjectKind::Animate;
        if (button && o.Command != TvnSkinCommand::cmDefault && o.Shown && !o.Rect.isEmpty()) buttons += i;
    }
    return buttons;
}

int TvnAccessibleForm::childCount() const
{
    return QAccessibleWidget::childCount() + CaptionButtons().size();
}

QAccessibleInterface* TvnAccessibleForm::child(int index) const
{
    const int controls = QAccessibleWidget::childCount();
    if (index < controls) return QAccessibleWidget::child(index);
    const QList<int> buttons = CaptionButtons();
    return index - controls < buttons.size() ? Item(buttons.at(index - controls)) : nullptr;
}

int TvnAccessibleForm::indexOfChild(const QAccessibleInterface* child) const
{
    const int object = IndexOfItem(child);
    if (object < 0) return QAccessibleWidget::indexOfChild(child);
    const int at = CaptionButtons().indexOf(object);
    return at < 0 ? -1 : QAccessibleWidget::childCount() + at;
}

TvnAccessibleItem* TvnAccessibleForm::MakeItem(int index) const
{
    return new TvnAccessibleCaptionButton(this, index);
}

} // namespace vnaccess

#include "CustomEdit.h"

#include "skin/data/vnSkinData/ResourceStrData.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <QContextMenuEvent>
#include <QLineEdit>

namespace {

// The commands of the context menu, in order ("-" for a separator), with their resource
// string names and the texts used without them.
struct TvnEditCommand {
    const char* ResName;
    const char* Caption;
    bool TEditCommands::*Enabled;
    void (TMaskEdit::*Run)();
};

const TvnEditCommand kEditCommands[] = {
    { "EDIT_UNDO", "Undo", &TEditCommands::Undo, &TMaskEdit::Undo },
    { nullptr, "-", nullptr, nullptr },
    { "EDIT_CUT", "Cut", &TEditCommands::Cut, &TMaskEdit::CutToClipboard },
    { "EDIT_COPY", "Copy", &TEditCommands::Copy, &TMaskEdit::CopyToClipboard },
    { "EDIT_PASTE", "Paste", &TEditCommands::Paste, &TMaskEdit::PasteFromClipboard },
    { "EDIT_DELETE", "Delete", &TEditCommands::Delete, &TMaskEdit::ClearSelection },
    { nullptr, "-", nullptr, nullptr },
    { "EDIT_SELECTALL", "Select All", &TEditCommands::SelectAll, &TMaskEdit::SelectAll },
};

} // namespace

TvnCustomEdit::TvnCustomEdit(QObject* owner)
    : TMaskEdit(owner)
{
    SetTransparent(true);
    LineEdit()->setContextMenuPolicy(Qt::DefaultContextMenu);
}

TvnCustomEdit::~TvnCustomEdit() = default;

vnmenus::TvnMenuItems TvnCustomEdit::ContextMenuItems() const
{
    const TvnSkinData* store = MenuStore();
    const TvnResourceStrData* strings = store ? store->ResourceStrData() : nullptr;
    const TEditCommands enabled = Commands();
    vnmenus::TvnMenuItems items;
    for (const TvnEditCommand& c : kEditCommands) {
        vnmenus::TvnMenuItem item;
        item.Caption = c.ResName ? ResStrOr(strings, c.ResName, c.Caption) : QString::fromLatin1(c.Caption);
        if (c.Enabled) item.Enabled = enabled.*(c.Enabled);
        if (c.Run) {
            QPointer<TvnCustomEdit> self(const_cast<TvnCustomEdit*>(this));
            item.OnClick = [self, run = c.Run] {
                if (self) (self.data()->*run)();
            };
        }
        items.push_back(std::move(item));
    }
    return items;
}

void TvnCustomEdit::ShowContextMenu(QPoint global)
{
    if (m_popupMenu) {
        m_popupMenu->Popup(global.x(), global.y());
        return;
    }
    m_contextMenu = std::make_unique<TvnSkinPopupMenu>();
    m_contextMenu->SetSkinData(MenuStore());
    m_contextMenu->Items() = ContextMenuItems();
    m_contextMenu->Popup(global.x(), global.y());
}

void TvnCustomEdit::contextMenuEvent(QContextMenuEvent* e)
{
    // From the keyboard the menu opens at the field's centre.
    ShowContextMenu(
        e->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(rect().center()) : e->globalPos());
}

bool TvnCustomEdit::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == LineEdit() && e->type() == QEvent::ContextMenu) {
        contextMenuEvent(static_cast<QContextMenuEvent*>(e));
        return true;
    }
    return TMaskEdit::eventFilter(watched, e);
}

#include "DirTreeView.h"

#include "framework/Exception.h"
#include "platform/Keys.h"
#include "skin/data/vnSkinData/ResourceStrData.h"
#include "skin/menus/vnSkinMenus/SkinPopupMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QUrl>
#include <functional>

using namespace vnshell;

namespace {

// The hourglass for as long as a folder is read.
struct TvnWaitCursor {
    TvnWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TvnWaitCursor() { QApplication::restoreOverrideCursor(); }
    TvnWaitCursor(const TvnWaitCursor&) = delete;
    TvnWaitCursor& operator=(const TvnWaitCursor&) = delete;
};

struct TvnUpdateLock {
    explicit TvnUpdateLock(TTreeView& tree)
        : m_tree(tree)
    {
        m_tree.BeginUpdate();
    }
    ~TvnUpdateLock() { m_tree.EndUpdate(); }
    TvnUpdateLock(const TvnUpdateLock&) = delete;
    TvnUpdateLock& operator=(const TvnUpdateLock&) = delete;

private:
    TTreeView& m_tree;
};

QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

[[noreturn]] void PathError(const QString& text)
{
    throw Exception(QStringLiteral("Error setting path: ") + Quoted(text));
}

QString ChildPath(const QString& parent, const QString& name)
{
    return parent == QLatin1String("/") ? parent + name : parent + QLatin1Char('/') + name;
}

// A name a folder can be given: not empty, one path part, not "." or "..".
bool ValidName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".")
        && name != QLatin1String("..") && !name.contains(QChar(0));
}

} // namespace

TvnCustomShellTreeView::TvnCustomShellTreeView(QObject* owner)
    : TvnSkinCustomTreeView(owner)
{
    SetHideSelection(false);
}

TvnCustomShellTreeView::~TvnCustomShellTreeView() = default;

QString TvnCustomShellTreeView::ResText(const char* name, const char* fallback) const
{
    const TvnSkinData* store = LoadedSkin();
    return ResStrOr(store ? store->ResourceStrData() : nullptr, name, fallback);
}

// ---- Properties ----------------------------------------------------------------------------

void TvnCustomShellTreeView::SetRoot(const QString& root)
{
    const std::optional<QString> path = ResolveRoot(root);
    if (!path) PathError(root);
    m_root = root;
    m_rootPath = *path;
    if (m_rootMade || isVisible()) CreateRoot();
}

void TvnCustomShellTreeView::SetObjectTypes(TvnObjectTypes types)
{
    if (types == m_objectTypes) return;
    m_objectTypes = types;
    if (m_rootMade) {
        const QString selected = SelectedPath();
        CreateRoot();
        if (!selected.isEmpty() && ParseFolderPath(selected)) SetPath(selected);
    }
}

void TvnCustomShellTreeView::SetAutoRefresh(bool on)
{
    if (on == m_autoRefresh) return;
    m_autoRefresh = on;
    if (!on) {
        delete m_watcher;
        m_watcher = nullptr;
        return;
    }
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
        [this](const QString& path) { FolderChangedOutside(path); });
    if (!m_refreshTimer) {
        // Many changes at once (a copy of a whole event) are read once.
        m_refreshTimer = new QTimer(this);
        m_refreshTimer->setSingleShot(true);
        m_refreshTimer->setInterval(150);
        connect(m_refreshTimer, &QTimer::timeout, this, [this] {
            const QStringList changed = m_changedFolders;
            m_changedFolders.clear();
            for (const QString& path : changed)
                if (TTreeNode* node = FindNode(path)) RefreshNode(node);
        });
    }
    WatchOpenFolders();
}

void TvnCustomShellTreeView::WatchOpenFolders()
{
    if (!m_watcher) return;
    QStringList open;
    std::function<void(TTreeNode*)> walk = [&](TTreeNode* node) {
        for (int i = 0; i < node->Count(); ++i) {
            TTreeNode* child = node->Item(i);
            if (child->Expanded() && !child->DataString().isEmpty()) open << child->DataString();
            if (child->Expanded()) walk(child);
        }
    };
    walk(TTreeView::Root());
    const QStringList watched = m_watcher->directories();
    QStringList gone;
    for (const QString& path : watched)
        if (!open.contains(path)) gone << path;
    if (!gone.isEmpty()) m_watcher->removePaths(gone);
    QStringList added;
    for (const QString& path : open)
        if (!watched.contains(path)) added << path;
    if (!added.isEmpty()) m_watcher->addPaths(added);
}

void TvnCustomShellTreeView::FolderChangedOutside(const QString& path)
{
    if (!m_changedFolders.contains(path)) m_changedFolders << path;
    m_refreshTimer->start();
}

// ---- Nodes ---------------------------------------------------------------------------------

QString TvnCustomShellTreeView::PathOf(const TTreeNode* node) const
{
    return node ? node->DataString() : QString();
}

QString TvnCustomShellTreeView::SelectedPath() const { return PathOf(Selected()); }

TvnShellFolder TvnCustomShellTreeView::Folder(const TTreeNode* node) const
{
    TvnShellFolder folder;
    if (!node) return folder;
    folder.Path = node->DataString();
    folder.Depth = node->Level();
    return folder;
}

TTreeNode* TvnCustomShellTreeView::FindNode(const QString& path) const
{
    std::function<TTreeNode*(TTreeNode*)> walk = [&](TTreeNode* node) -> TTreeNode* {
        if (node != TTreeView::Root() && node->DataString() == path) return node;
        for (int i = 0; i < node->Count(); ++i)
            if (TTreeNode* found = walk(node->Item(i))) return found;
        return nullptr;
    };
    return walk(TTreeView::Root());
}

TTreeNode* TvnCustomShellTreeView::AddFolderNode(TTreeNode* parent, const QString& path)
{
    TTreeNode* node = parent == TTreeView::Root() ? AddChild(nullptr, {}) : parent->AddChild({});
    const bool underVirtualRoot = parent != TTreeView::Root() && parent->DataString().isEmpty();
    node->SetText(DisplayName(path, underVirtualRoot));
    node->SetDataString(path);
    if (m_useShellImages && !Images()) {
        node->SetIcon(FolderIcon(path, false));
        node->SetOpenIcon(FolderIcon(path, true));
    }
    node->SetHasChildren(IsFolder(path) && HasSubItems(path, m_objectTypes));
    return node;
}

void TvnCustomShellTreeView::CreateRoot()
{
    EndEdit(false);
    {
        TvnUpdateLock lock(*this);
        Clear();
        AddFolderNode(TTreeView::Root(), m_rootPath);
    }
    m_rootMade = true;
    TTreeNode* root = RootNode();
    SetNodeExpanded(root, true);
    SetSelected(root);
    ApplyPendingPath();
}

void TvnCustomShellTreeView::ApplyPendingPath()
{
    if (m_pendingPath.isEmpty()) return;
    const QString path = m_pendingPath;
    m_pendingPath.clear();
    SetPath(path);
}

void TvnCustomShellTreeView::SortNode(TTreeNode* node)
{
    node->SortChildren([](const TTreeNode* a, const TTreeNode* b) { return NameLess(a->Text(), b->Text()); });
}

void TvnCustomShellTreeView::PopulateNode(TTreeNode* node)
{
    if (!node) return;
    TvnWaitCursor wait;
    TvnUpdateLock lock(*this);
    const QString path = node->DataString();
    // Hidden listings also bring sockets and devices, and the virtual root names folders
    // that may be gone: only folders become nodes unless other objects are asked for.
    for (const QString& item : ListFolder(path, m_objectTypes)) {
        if (!(m_objectTypes & otNonFolders) && !IsFolder(item)) continue;
        bool canAdd = true;
        if (OnAddFolder) OnAddFolder(this, item, canAdd);
        if (canAdd) AddFolderNode(node, item);
    }
    // The virtual root keeps its own order (home, "/", the mounts).
    if (!path.isEmpty()) SortNode(node);
}

bool TvnCustomShellTreeView::AllowExpansion(TTreeNode* node, bool expanded)
{
    if (expanded) {
        const QString path = node->DataString();
        if (!path.isEmpty() && !QFileInfo::exists(path)) {
            // Gone since it was listed: there is nothing to open.
            node->SetHasChildren(false);
            NodesChanged();
            return false;
        }
        if (!path.isEmpty() && !IsFolder(path)) {
            // An item that is no folder opens in its own program, in its own folder.
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
            return false;
        }
        if (node->Count() == 0) PopulateNode(node);
    }
    // The watch list follows once the node has opened or closed.
    if (m_watcher) QTimer::singleShot(0, this, [this] { WatchOpenFolders(); });
    return TvnSkinCustomTreeView::AllowExpansion(node, expanded);
}

void TvnCustomShellTreeView::SetPath(const QString& path)
{
    const std::optional<QString> parsed = ParseFolderPath(path);
    if (!parsed) PathError(path);
    if (!m_rootMade) {
        m_pendingPath = *parsed;
        return;
    }
    const QStringList chain = ChainTo(m_rootPath, *parsed);
    TTreeNode* node = RootNode();
    if (!node) return;
    if (chain.isEmpty() && *parsed != m_rootPath) PathError(path);
    for (const QString& part : chain) {
        if (!node->Expanded()) SetNodeExpanded(node, true);
        TTreeNode* next = nullptr;
        for (int i = 0; i < node->Count() && !next; ++i)
            if (node->Item(i)->DataString() == part) next = node->Item(i);
        // Not listed (hidden while hidden folders are left out, or refused): the deepest
        // folder that is listed is selected.
        if (!next) break;
        node = next;
    }
    if (node == Selected()) {
        MakeVisible(node);
        return;
    }
    SetSelected(node);
    if (node->HasChildren()) SetNodeExpanded(node, true);
    MakeVisible(node);
}

void TvnCustomShellTreeView::RefreshNode(TTreeNode* node)
{
    if (!node) return;
    TvnWaitCursor wait;
    EndEdit(false);
    const QString selected = SelectedPath();
    const bool selectedHere = Selected() != nullptr;
    const QList<TTreeNode*>& rows = VisibleNodes();
    const QString topPath = TopRow() < rows.size() ? rows[TopRow()]->DataString() : QString();
    const bool topAtRoot = TopRow() < rows.size() && rows[TopRow()] == RootNode();
    QStringList expanded;
    std::function<void(TTreeNode*)> collect = [&](TTreeNode* n) {
        for (int i = 0; i < n->Count(); ++i) {
            TTreeNode* child = n->Item(i);
            if (child->Expanded()) {
                expanded << child->DataString();
                collect(child);
            }
        }
    };
    collect(node);
    const bool wasExpanded = node->Expanded();
    {
        TvnUpdateLock lock(*this);
        node->DeleteChildren();
        const QString path = node->DataString();
        node->SetHasChildren(IsFolder(path) && HasSubItems(path, m_objectTypes));
        if (node->HasChildren()) PopulateNode(node);
        // Children that were open open again, where they still are.
        std::function<void(TTreeNode*)> reopen = [&](TTreeNode* n) {
            for (int i = 0; i < n->Count(); ++i) {
                TTreeNode* child = n->Item(i);
                if (expanded.contains(child->DataString()) && child->HasChildren()) {
                    PopulateNode(child);
                    child->SetExpanded(true);
                    reopen(child);
                }
            }
        };
        reopen(node);
    }
    if (wasExpanded && node->HasChildren()) node->SetExpanded(true);
    if (selectedHere) {
        TTreeNode* again = FindNode(selected);
        SetSelected(again ? again : node);
    }
    // Back to the same first row, found by its folder.
    TTreeNode* top = topAtRoot ? RootNode() : FindNode(topPath);
    if (top && RowOf(top) >= 0) SetTopRow(RowOf(top));
    if (m_watcher) WatchOpenFolders();
}

// ---- New folder and rename -----------------------------------------------------------------

QString TvnCustomShellTreeView::CreateFolder(const QString& name)
{
    TTreeNode* node = Selected();
    const QString parent = SelectedPath();
    if (!node || parent.isEmpty() || !ValidName(name)) return {};
    const QString path = ChildPath(parent, name);
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) return {};
    if (!QDir().mkdir(path)) throw Exception(QStringLiteral("Cannot create folder ") + Quoted(path));
    RefreshNode(node);
    return path;
}

bool TvnCustomShellTreeView::CanRename(const TTreeNode* node) const
{
    if (!node || node == RootNode() || node->DataString().isEmpty()) return false;
    // The root's own items (home, "/", the mounts) are places, not folders to rename.
    const TTreeNode* parent = node->Parent();
    return parent && parent != TTreeView::Root() && !(parent == RootNode() && m_rootPath.isEmpty());
}

bool TvnCustomShellTreeView::RenameNode(TTreeNode* node, const QString& name)
{
    if (!CanRename(node)) return false;
    const QString oldPath = node->DataString();
    const QFileInfo old(oldPath);
    if (name == old.fileName()) return true;
    const QString newPath = ChildPath(QDir::cleanPath(old.absolutePath()), name);
    if (!ValidName(name) || QFileInfo::exists(newPath) || !QDir().rename(oldPath, newPath))
        throw Exception(
            QStringLiteral("Cannot rename ") + Quoted(oldPath) + QStringLiteral(" to ") + Quoted(name));
    const bool wasSelected = Selected() == node;
    // The node's children hold the old paths: it is read again under its new name.
    if (node->Expanded()) node->SetExpanded(false);
    node->DeleteChildren();
    node->SetText(DisplayName(newPath, false));
    node->SetDataString(newPath);
    node->SetHasChildren(HasSubItems(newPath, m_objectTypes));
    SortNode(node->Parent());
    // The selected folder's path changed under the same node: its users hear of it.
    if (wasSelected) events::Fire(OnChange, this, node);
    update();
    return true;
}

void TvnCustomShellTreeView::StartRename(TTreeNode* node)
{
    if (!CanRename(node)) return;
    EndEdit(false);
    SetSelected(node);
    MakeVisible(node);
    m_editedNode = node;
    m_editor = new QLineEdit(this);
    m_editor->setFrame(true);
    m_editor->setFont(font());
    // The field in the tree's own colours, so the skin's look holds while a name is typed.
    QPalette colours = m_editor->palette();
    colours.setColor(QPalette::Base, Look().Background);
    colours.setColor(QPalette::Text, Look().Text);
    colours.setColor(QPalette::Highlight, Look().SelectedBack);
    colours.setColor(QPalette::HighlightedText, Look().SelectedText);
    m_editor->setPalette(colours);
    m_editor->setText(node->Text());
    m_editor->selectAll();
    m_editor->installEventFilter(this);
    PlaceEditor();
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
}

void TvnCustomShellTreeView::PlaceEditor()
{
    if (!m_editor || !m_editedNode) return;
    const int row = RowOf(m_editedNode);
    if (row < 0) return EndEdit(false);
    const TTreeRowPaint r = RowSnapshot(row);
    QRect place = r.LabelRect;
    place.setRight(std::max(place.right() + 40, place.left() + 120));
    place.setRight(std::min(place.right(), width() - 2));
    m_editor->setGeometry(place.adjusted(-2, -1, 2, 1));
}

void TvnCustomShellTreeView::EndEdit(bool accept)
{
    if (!m_editor) return;
    QLineEdit* editor = m_editor;
    TTreeNode* node = m_editedNode;
    const QString text = editor->text().trimmed();
    m_editor = nullptr;
    m_editedNode = nullptr;
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    setFocus(Qt::OtherFocusReason);
    if (!accept || !node) return;
    QString name = text;
    events::Fire(OnEdited, this, node, name);
    RenameNode(node, name.trimmed());
}

bool TvnCustomShellTreeView::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_editor && e->type() == QEvent::FocusOut) {
        // Leaving the field confirms it, as in every tree that edits in place.
        QMetaObject::invokeMethod(
            this, [this] { EndEdit(true); }, Qt::QueuedConnection);
    }
    return TvnSkinCustomTreeView::eventFilter(watched, e);
}

void TvnCustomShellTreeView::WndProc(TMessage& m)
{
    // While a name is edited, Enter and Esc end the edit instead of reaching the
    // dialog's default and cancel buttons.
    if (m.Msg == msg::CN_KEYDOWN && m_editor) {
        if (m.WParam == vk::VK_RETURN || m.WParam == vk::VK_ESCAPE) {
            EndEdit(m.WParam == vk::VK_RETURN);
            m.Result = 1;
            return;
        }
        m.Result = 0;
        return;
    }
    if (m.Msg == msg::CN_KEYDOWN && m.WParam == vk::VK_F2 && !m_editor) {
        StartRename(Selected());
        m.Result = m_editor ? 1 : 0;
        if (m_editor) return;
    }
    TvnSkinCustomTreeView::WndProc(m);
}

void TvnCustomShellTreeView::resizeEvent(QResizeEvent* e)
{
    TvnSkinCustomTreeView::resizeEvent(e);
    PlaceEditor();
}

void TvnCustomShellTreeView::showEvent(QShowEvent* e)
{
    TvnSkinCustomTreeView::showEvent(e);
    if (!m_rootMade) CreateRoot();
    // The path may have been set while the tree had another size: the folder is shown.
    if (Selected()) MakeVisible(Selected());
}

// ---- Context menu --------------------------------------------------------------------------

vnmenus::TvnMenuItems TvnCustomShellTreeView::ContextMenuItems()
{
    vnmenus::TvnMenuItems items;
    QPointer<TvnCustomShellTreeView> self(this);
    TTreeNode* node = Selected();
    const bool realFolder = node && !SelectedPath().isEmpty();

    vnmenus::TvnMenuItem make;
    make.Caption = ResText("MSG_NEWFOLDER", "New Folder");
    make.Enabled = realFolder && QFileInfo(SelectedPath()).isWritable();
    make.OnClick = [self] {
        if (!self) return;
        const QString made = self->CreateFolder(self->ResText("MSG_NEWFOLDER", "New Folder"));
        if (made.isEmpty()) return;
        // The new folder is there to be named.
        if (TTreeNode* n = self->FindNode(made)) self->StartRename(n);
    };
    items.push_back(make);

    vnmenus::TvnMenuItem rename;
    rename.Caption = QStringLiteral("Rename");
    rename.ShortCut = QStringLiteral("F2");
    rename.Enabled = CanRename(node);
    rename.OnClick = [self] {
        if (self) self->StartRename(self->Selected());
    };
    items.push_back(rename);

    vnmenus::TvnMenuItem separator;
    separator.Caption = QStringLiteral("-");
    items.push_back(separator);

    vnmenus::TvnMenuItem refresh;
    refresh.Caption = QStringLiteral("Refresh");
    refresh.Enabled = node != nullptr;
    refresh.OnClick = [self] {
        if (self && self->Selected()) self->RefreshNode(self->Selected());
    };
    items.push_back(refresh);
    return items;
}

void TvnCustomShellTreeView::ShowContextMenu(QPoint global)
{
    m_contextMenu = std::make_unique<TvnSkinPopupMenu>();
    m_contextMenu->SetSkinData(SkinData());
    m_contextMenu->Items() = ContextMenuItems();
    m_contextMenu->Popup(global.x(), global.y());
}

void TvnCustomShellTreeView::contextMenuEvent(QContextMenuEvent* e)
{
    if (!m_autoContextMenus) return TvnSkinCustomTreeView::contextMenuEvent(e);
    QPoint at = e->globalPos();
    if (e->reason() == QContextMenuEvent::Keyboard) {
        const QRect r = NodeRect(Selected());
        at = mapToGlobal(r.isEmpty() ? rect().center() : r.bottomLeft());
    }
    ShowContextMenu(at);
}

// ---- The published class -------------------------------------------------------------------

TvnSkinDirTreeView::TvnSkinDirTreeView(QObject* owner)
    : TvnCustomShellTreeView(owner)
{
}

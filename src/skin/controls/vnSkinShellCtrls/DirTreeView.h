#pragma once
// TvnCustomShellTreeView: the skinned tree of the desktop's folders (ShellFolder.h). Each
// node stands for one folder, its path kept in the node's DataString (the virtual root's
// is empty). Nodes are filled when first opened, sorted as the file manager sorts, with
// hidden folders when ObjectTypes asks for them; a folder that cannot be read opens to
// nothing.
//
// The context menu (skinned popup) offers a new folder, renaming and refreshing; nothing
// in the tree deletes files. Renaming edits the node's text in place: Enter or leaving
// the field renames the folder, Esc keeps the old name.
//
// TvnSkinDirTreeView publishes it for the declared data.
#include "ShellFolder.h"
#include "SkinTreeView.h"
#include "skin/menus/vnSkinMenus/MenuItem.h"

#include <QPointer>
#include <memory>

class QLineEdit;
class TvnSkinPopupMenu;

using TvnAddFolderEvent = TEvent<QObject* /*Sender*/, const QString& /*Path*/, bool& /*CanAdd*/>;
using TvnEditedEvent = TEvent<QObject* /*Sender*/, TTreeNode* /*Node*/, QString& /*Text*/>;
Q_DECLARE_METATYPE(TvnAddFolderEvent)
Q_DECLARE_METATYPE(TvnEditedEvent)

class QFileSystemWatcher;
class QTimer;

class TvnCustomShellTreeView : public TvnSkinCustomTreeView {
    Q_OBJECT
public:
    explicit TvnCustomShellTreeView(QObject* owner = nullptr);
    ~TvnCustomShellTreeView() override;

    // A special folder's name ("rfDesktop", "rfPersonal", ...) or a folder's path. Setting
    // it builds the tree again; a root that names nothing raises "Error setting path: "
    // with the text in quotes and keeps the previous root.
    QString Root() const { return m_root; }
    void SetRoot(const QString& root);
    vnshell::TvnObjectTypes ObjectTypes() const { return m_objectTypes; }
    void SetObjectTypes(vnshell::TvnObjectTypes types);
    bool AutoContextMenus() const { return m_autoContextMenus; }
    void SetAutoContextMenus(bool on) { m_autoContextMenus = on; }
    bool UseShellImages() const { return m_useShellImages; }
    void SetUseShellImages(bool on) { m_useShellImages = on; }
    // Open folders are watched: a folder made, renamed or removed by another program
    // shows in the tree a moment later.
    bool AutoRefresh() const { return m_autoRefresh; }
    void SetAutoRefresh(bool on);
    // Companion controls of the shell family; none of this program's windows has one.
    QObject* ShellComboBox() const { return m_shellComboBox; }
    void SetShellComboBox(QObject* box) { m_shellComboBox = box; }
    QObject* ShellListView() const { return m_shellListView; }
    void SetShellListView(QObject* view) { m_shellListView = view; }

    TvnAddFolderEvent OnAddFolder;
    // A name typed in place, before the folder is renamed; the handler may change it.
    TvnEditedEvent OnEdited;

    // Clears the tree and adds the root's node, expanded and selected.
    void CreateRoot();
    // Opens the tree down to `path` and selects it. A path that names no folder raises
    // "Error setting path: " with the path in quotes.
    void SetPath(const QString& path);
    // The selected folder's path; empty with the virtual root (or nothing) selected.
    QString SelectedPath() const;
    QString PathOf(const TTreeNode* node) const;
    vnshell::TvnShellFolder Folder(const TTreeNode* node) const;
    TTreeNode* RootNode() const { return TopCount() > 0 ? TopItem(0) : nullptr; }
    // The node of `path` among the nodes made so far, or none.
    TTreeNode* FindNode(const QString& path) const;

    // Fills a node with its folder's items (nothing when it cannot be read).
    void PopulateNode(TTreeNode* node);
    // Reads a node's folder again, keeping what was open, selected and scrolled to.
    void RefreshNode(TTreeNode* node);

    // Creates the folder `name` in the selected folder and refreshes it. An existing folder
    // of that name is left as it is (no number is added); the virtual root takes none.
    // Returns the new folder's path, or an empty text when none was made. A folder that
    // cannot be made raises an error.
    QString CreateFolder(const QString& name);
    // Whether a node's folder may be renamed (not the root's own items).
    bool CanRename(const TTreeNode* node) const;
    // Starts editing the node's text; the folder is renamed when the edit is confirmed.
    void StartRename(TTreeNode* node);
    // Renames the node's folder to `name` at once; the node keeps its text when the
    // rename fails (which raises an error naming the folder).
    bool RenameNode(TTreeNode* node, const QString& name);
    QLineEdit* Editor() const { return m_editor; }
    TTreeNode* EditedNode() const { return m_editedNode; }
    void EndEdit(bool accept);

    // The context menu's commands for the selected node, and the menu shown at `global`.
    vnmenus::TvnMenuItems ContextMenuItems();
    void ShowContextMenu(QPoint global);
    TvnSkinPopupMenu* ContextMenu() const { return m_contextMenu.get(); }

    void WndProc(TMessage& message) override;

protected:
    bool AllowExpansion(TTreeNode* node, bool expanded) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The text a resource string names in the store, or `fallback`.
    QString ResText(const char* name, const char* fallback) const;

private:
    TTreeNode* AddFolderNode(TTreeNode* parent, const QString& path);
    void ApplyPendingPath();
    void PlaceEditor();
    void SortNode(TTreeNode* node);
    // The folders of the open nodes, watched while AutoRefresh is on.
    void WatchOpenFolders();
    void FolderChangedOutside(const QString& path);

    QString m_root = QStringLiteral("rfDesktop");
    // The folder the root names ("" for the virtual root).
    QString m_rootPath;
    bool m_rootMade = false;
    QString m_pendingPath;
    vnshell::TvnObjectTypes m_objectTypes = vnshell::otFolders;
    bool m_autoContextMenus = true;
    bool m_useShellImages = true;
    bool m_autoRefresh = false;
    QPointer<QObject> m_shellComboBox;
    QPointer<QObject> m_shellListView;
    QLineEdit* m_editor = nullptr;
    TTreeNode* m_editedNode = nullptr;
    std::unique_ptr<TvnSkinPopupMenu> m_contextMenu;
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer* m_refreshTimer = nullptr;
    QStringList m_changedFolders;
};

class TvnSkinDirTreeView : public TvnCustomShellTreeView {
    Q_OBJECT
    Q_PROPERTY(bool AutoContextMenus READ AutoContextMenus WRITE SetAutoContextMenus)
    Q_PROPERTY(vnshell::TvnObjectTypes ObjectTypes READ ObjectTypes WRITE SetObjectTypes)
    Q_PROPERTY(QString Root READ Root WRITE SetRoot)
    Q_PROPERTY(QObject* ShellComboBox READ ShellComboBox WRITE SetShellComboBox)
    Q_PROPERTY(QObject* ShellListView READ ShellListView WRITE SetShellListView)
    Q_PROPERTY(bool UseShellImages READ UseShellImages WRITE SetUseShellImages)
    Q_PROPERTY(bool AutoRefresh READ AutoRefresh WRITE SetAutoRefresh)
    Q_PROPERTY(TvnAddFolderEvent OnAddFolder MEMBER OnAddFolder)
    Q_PROPERTY(TvnEditedEvent OnEdited MEMBER OnEdited)
public:
    explicit TvnSkinDirTreeView(QObject* owner = nullptr);
};

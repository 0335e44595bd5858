#pragma once
// TvnSkinSelectDirectoryDialog: the component that asks the user for a folder. Each
// Execute builds a TvnSelDirDlgForm (skinned frame, optional tool bar with a new-folder
// button and a path field, the folder tree with its two skinned bars, OK and Cancel),
// shows it modally and frees it; only Directory and the size the user left survive.
//
// OK stays disabled while the virtual root is selected: it names no folder, so a
// confirmed dialog always returns a folder of the file system.
#include "DirTreeView.h"
#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Font.h"
#include "framework/Form.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <QPointer>
#include <functional>

class TvnSkinPanel;
class TvnSkinScrollBar;
class TvnSkinButton;
class TvnSkinSpeedButton;
class TvnSkinBevel;
class TvnSkinEdit;
namespace veneer {
class TvnVeneerform;
}

class TvnSelDirDlgForm : public TForm {
    Q_OBJECT
public:
    TvnSelDirDlgForm(QObject* owner, TvnSkinData* ctrlSkin, bool showToolBar, bool toolButtonsTransparent);
    ~TvnSelDirDlgForm() override;

    veneer::TvnVeneerform* Frame() const { return m_frame; }
    TvnSkinPanel* ToolPanel() const { return m_toolPanel; }
    TvnSkinSpeedButton* NewFolderButton() const { return m_newFolderButton; }
    TvnSkinBevel* Spacer() const { return m_spacer; }
    TvnSkinEdit* PathEdit() const { return m_pathEdit; }
    TvnSkinPanel* MainPanel() const { return m_mainPanel; }
    TvnSkinScrollBar* VScrollBar() const { return m_vBar; }
    TvnSkinScrollBar* HScrollBar() const { return m_hBar; }
    TvnSkinDirTreeView* Tree() const { return m_tree; }
    TvnSkinPanel* BottomPanel() const { return m_bottomPanel; }
    TvnSkinButton* OkButton() const { return m_okButton; }
    TvnSkinButton* CancelButton() const { return m_cancelButton; }

    // The new-folder button's work: "New Folder" in the selected folder, once.
    void NewFolderClick(QObject* sender);
    // Enter in the path field: the tree goes to the folder it names, if it is one.
    bool GoToTypedPath();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString ResText(const char* name, const char* fallback) const;
    // The panels of the client area in the classic alignment order: top, bottom, client.
    void LayoutClient();
    void SelectionChanged();

    QPointer<TvnSkinData> m_ctrlSkin;
    veneer::TvnVeneerform* m_frame = nullptr;
    TvnSkinPanel* m_toolPanel = nullptr;
    TvnSkinSpeedButton* m_newFolderButton = nullptr;
    TvnSkinBevel* m_spacer = nullptr;
    TvnSkinEdit* m_pathEdit = nullptr;
    TvnSkinPanel* m_mainPanel = nullptr;
    TvnSkinScrollBar* m_vBar = nullptr;
    TvnSkinScrollBar* m_hBar = nullptr;
    TvnSkinDirTreeView* m_tree = nullptr;
    TvnSkinPanel* m_bottomPanel = nullptr;
    TvnSkinButton* m_okButton = nullptr;
    TvnSkinButton* m_cancelButton = nullptr;
};

class TvnSkinSelectDirectoryDialog : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(QString Directory READ Directory WRITE SetDirectory)
    Q_PROPERTY(bool ShowToolBar READ ShowToolBar WRITE SetShowToolBar)
    Q_PROPERTY(bool ToolButtonsTransparent READ ToolButtonsTransparent WRITE SetToolButtonsTransparent)
    Q_PROPERTY(int DialogWidth READ DialogWidth WRITE SetDialogWidth)
    Q_PROPERTY(int DialogHeight READ DialogHeight WRITE SetDialogHeight)
    Q_PROPERTY(int DialogMinWidth READ DialogMinWidth WRITE SetDialogMinWidth)
    Q_PROPERTY(int DialogMinHeight READ DialogMinHeight WRITE SetDialogMinHeight)
    Q_PROPERTY(bool AlphaBlend READ AlphaBlend WRITE SetAlphaBlend)
    Q_PROPERTY(int AlphaBlendValue READ AlphaBlendValue WRITE SetAlphaBlendValue)
    Q_PROPERTY(bool AlphaBlendAnimation READ AlphaBlendAnimation WRITE SetAlphaBlendAnimation)
    Q_PROPERTY(TvnSkinData* SkinData READ SkinData WRITE SetSkinData)
    Q_PROPERTY(TvnSkinData* CtrlSkinData READ CtrlSkinData WRITE SetCtrlSkinData)
    Q_PROPERTY(TFont* DefaultFont READ DefaultFont)
    Q_PROPERTY(TNotifyEvent OnShow MEMBER OnShow)
    Q_PROPERTY(TNotifyEvent OnClose MEMBER OnClose)
public:
    explicit TvnSkinSelectDirectoryDialog(QObject* owner = nullptr);

    QString Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }
    QString Directory() const { return m_directory; }
    void SetDirectory(const QString& directory) { m_directory = directory; }
    bool ShowToolBar() const { return m_showToolBar; }
    void SetShowToolBar(bool show) { m_showToolBar = show; }
    bool ToolButtonsTransparent() const { return m_toolButtonsTransparent; }
    void SetToolButtonsTransparent(bool flat) { m_toolButtonsTransparent = flat; }
    int DialogWidth() const { return m_dialogWidth; }
    void SetDialogWidth(int width) { m_dialogWidth = width; }
    int DialogHeight() const { return m_dialogHeight; }
    void SetDialogHeight(int height) { m_dialogHeight = height; }
    int DialogMinWidth() const { return m_dialogMinWidth; }
    void SetDialogMinWidth(int width) { m_dialogMinWidth = width; }
    int DialogMinHeight() const { return m_dialogMinHeight; }
    void SetDialogMinHeight(int height) { m_dialogMinHeight = height; }
    bool AlphaBlend() const { return m_alphaBlend; }
    void SetAlphaBlend(bool on) { m_alphaBlend = on; }
    int AlphaBlendValue() const { return m_alphaBlendValue; }
    void SetAlphaBlendValue(int value) { m_alphaBlendValue = std::clamp(value, 0, 255); }
    bool AlphaBlendAnimation() const { return m_alphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool on) { m_alphaBlendAnimation = on; }
    // Not owned; a store that is destroyed leaves none.
    TvnSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TvnSkinData* store) { m_skinData = store; }
    TvnSkinData* CtrlSkinData() const { return m_ctrlSkinData; }
    void SetCtrlSkinData(TvnSkinData* store) { m_ctrlSkinData = store; }
    TFont* DefaultFont() const { return m_defaultFont; }

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

    // Shows the dialog modally; true when the user confirmed a folder with OK, which is
    // then in Directory. The window is freed before it returns, whatever happened.
    bool Execute();

    // The window of the run under way (none outside Execute); tests and OnShow's
    // callers look at it while it is shown.
    TvnSelDirDlgForm* Form() const { return m_form; }
    // Called with the window once it is built, before it is shown modally.
    std::function<void(TvnSelDirDlgForm*)> OnFormReady;

private:
    QString m_title = QStringLiteral("Select folder");
    QString m_directory;
    bool m_showToolBar = false;
    bool m_toolButtonsTransparent = false;
    int m_dialogWidth = 0;
    int m_dialogHeight = 0;
    int m_dialogMinWidth = 0;
    int m_dialogMinHeight = 0;
    bool m_alphaBlend = false;
    int m_alphaBlendValue = 200;
    bool m_alphaBlendAnimation = false;
    QPointer<TvnSkinData> m_skinData;
    QPointer<TvnSkinData> m_ctrlSkinData;
    TFont* m_defaultFont;
    QPointer<TvnSelDirDlgForm> m_form;
};

void RegisterShellCtrlsClasses();

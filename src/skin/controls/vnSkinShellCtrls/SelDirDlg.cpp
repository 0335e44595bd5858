#include "SelDirDlg.h"

#include "ToolControls.h"
#include "framework/ClassRegistry.h"
#include "platform/Keys.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/data/vnSkinData/ResourceStrData.h"
#include "skin/form/Veneerform/Veneerform.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <memory>

using namespace vnshell;

// ---- The window ----------------------------------------------------------------------------

TvnSelDirDlgForm::TvnSelDirDlgForm(
    QObject* owner, TvnSkinData* ctrlSkin, bool showToolBar, bool toolButtonsTransparent)
    : TForm(owner)
    , m_ctrlSkin(ctrlSkin)
{
    SetName(QStringLiteral("vnSelDirDlgForm"));
    SetKeyPreview(true);
    SetPosition(poScreenCenter);
    SetBorderIcons({});
    m_frame = new veneer::TvnVeneerform(this);
    QWidget* client = ClientWidget();

    if (showToolBar) {
        m_toolPanel = new TvnSkinPanel(this);
        m_toolPanel->SetSkinDataName(QStringLiteral("toolpanel"));
        m_toolPanel->SetBorderStyle(vnskin::bvNone);
        m_toolPanel->SetDefaultHeight(25);
        m_toolPanel->SetBounds(0, 0, 280, 25);
        m_toolPanel->SetAlign(alTop);
        m_toolPanel->SetParent(client);

        m_newFolderButton = new TvnSkinSpeedButton(this);
        m_newFolderButton->SetGlyph(NewFolderGlyph());
        m_newFolderButton->SetHint(ResText("MSG_BTN_NEWFOLDER_HINT", "Create New Folder"));
        m_newFolderButton->SetShowHint(true);
        m_newFolderButton->SetFlat(toolButtonsTransparent);
        m_newFolderButton->SetAlign(alRight);
        m_newFolderButton->SetParent(m_toolPanel);
        m_newFolderButton->OnClick = [this](QObject* sender) { NewFolderClick(sender); };

        m_spacer = new TvnSkinBevel(this);
        m_spacer->SetBounds(0, 0, 5, 25);
        m_spacer->SetAlign(alRight);
        m_spacer->SetParent(m_toolPanel);

        m_pathEdit = new TvnSkinEdit(this);
        m_pathEdit->SetSkinDataName(QStringLiteral("tooledit"));
        m_pathEdit->SetDefaultHeight(25);
        m_pathEdit->SetBounds(0, 0, 200, 25);
        m_pathEdit->SetAlign(alClient);
        m_pathEdit->SetTabStop(true);
        m_pathEdit->SetParent(m_toolPanel);
    }

    m_mainPanel = new TvnSkinPanel(this);
    m_mainPanel->SetBorderStyle(vnskin::bvFrame);
    m_mainPanel->SetBounds(0, 0, 280, 200);
    m_mainPanel->SetAlign(alClient);
    m_mainPanel->SetParent(client);

    // The horizontal bar is laid out first so it runs under the vertical one, which
    // leaves it the corner ("both" mode) when both show.
    m_hBar = new TvnSkinScrollBar(this);
    m_hBar->SetKind(sbHorizontal);
    m_hBar->SetSkinDataName(QStringLiteral("hscrollbar"));
    m_hBar->SetDefaultHeight(19);
    m_hBar->SetBothMarkerWidth(19);
    m_hBar->SetBounds(0, 0, 200, 19);
    m_hBar->SetEnabled(false);
    m_hBar->SetAlign(alBottom);
    m_hBar->SetParent(m_mainPanel);

    m_vBar = new TvnSkinScrollBar(this);
    m_vBar->SetKind(sbVertical);
    m_vBar->SetSkinDataName(QStringLiteral("vscrollbar"));
    m_vBar->SetDefaultWidth(19);
    m_vBar->SetBounds(0, 0, 19, 200);
    m_vBar->SetEnabled(false);
    m_vBar->SetAlign(alRight);
    m_vBar->SetParent(m_mainPanel);

    m_tree = new TvnSkinDirTreeView(this);
    m_tree->SetName(QStringLiteral("DirTree"));
    m_tree->SetBorderStyle(bsNoBorder);
    m_tree->SetTabStop(true);
    m_tree->setFocusPolicy(Qt::StrongFocus);
    m_tree->SetBounds(0, 0, 200, 180);
    m_tree->SetAlign(alClient);
    m_tree->SetParent(m_mainPanel);
    m_tree->SetObjectTypes(m_tree->ObjectTypes() | otHidden);
    m_tree->SetHideSelection(false);
    m_tree->SetVScrollBar(m_vBar);
    m_tree->SetHScrollBar(m_hBar);
    m_tree->OnChange = [this](QObject*, TTreeNode*) { SelectionChanged(); };

    m_bottomPanel = new TvnSkinPanel(this);
    m_bottomPanel->SetBorderStyle(vnskin::bvNone);
    m_bottomPanel->SetBounds(0, 0, 280, 50);
    m_bottomPanel->SetAlign(alBottom);
    m_bottomPanel->SetParent(client);

    m_okButton = new TvnSkinButton(this);
    m_okButton->SetCaption(ResText("MSG_BTN_OK", "OK"));
    m_okButton->SetDefault(true);
    m_okButton->SetCanFocused(true);
    m_okButton->SetDefaultHeight(25);
    m_okButton->SetBounds(20, 15, 70, 25);
    m_okButton->SetModalResult(mrOk);
    m_okButton->SetParent(m_bottomPanel);

    m_cancelButton = new TvnSkinButton(this);
    m_cancelButton->SetCaption(ResText("MSG_BTN_CANCEL", "Cancel"));
    m_cancelButton->SetCanFocused(true);
    m_cancelButton->SetDefaultHeight(25);
    m_cancelButton->SetBounds(100, 15, 70, 25);
    m_cancelButton->SetModalResult(mrCancel);
    m_cancelButton->SetCancel(true);
    m_cancelButton->SetParent(m_bottomPanel);

    // Enter in the path field goes to the folder typed rather than confirming the dialog.
    OnKeyDown = [this](QObject*, int& key, TShiftState) {
        if (key != vk::VK_RETURN || !m_pathEdit || ActiveControl() != m_pathEdit) return;
        GoToTypedPath();
        key = 0;
    };

    client->installEventFilter(this);
    LayoutClient();
    SelectionChanged();
}

TvnSelDirDlgForm::~TvnSelDirDlgForm()
{
    // The bars go before the tree they follow: unlink them first.
    if (m_tree) {
        m_tree->SetVScrollBar(nullptr);
        m_tree->SetHScrollBar(nullptr);
        m_tree->OnChange = nullptr;
    }
}

QString TvnSelDirDlgForm::ResText(const char* name, const char* fallback) const
{
    const bool loaded = m_ctrlSkin && !m_ctrlSkin->Empty();
    return ResStrOr(loaded ? m_ctrlSkin->ResourceStrData() : nullptr, name, fallback);
}

bool TvnSelDirDlgForm::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == ClientWidget() && e->type() == QEvent::Resize) LayoutClient();
    return TForm::eventFilter(watched, e);
}

void TvnSelDirDlgForm::LayoutClient()
{
    QRect room = ClientWidget()->rect();
    if (m_toolPanel && !m_toolPanel->isHidden()) {
        m_toolPanel->SetBounds(room.left(), room.top(), room.width(), m_toolPanel->Height());
        room.setTop(room.top() + m_toolPanel->Height());
    }
    m_bottomPanel->SetBounds(
        room.left(), room.bottom() + 1 - m_bottomPanel->Height(), room.width(), m_bottomPanel->Height());
    room.setBottom(room.bottom() - m_bottomPanel->Height());
    m_mainPanel->SetBounds(room.left(), room.top(), room.width(), std::max(0, room.height()));
}

void TvnSelDirDlgForm::SelectionChanged()
{
    const QString path = m_tree->SelectedPath();
    // The virtual root is no folder: there is nothing to confirm.
    m_okButton->SetEnabled(!path.isEmpty());
    if (m_pathEdit) m_pathEdit->SetText(path);
}

void TvnSelDirDlgForm::NewFolderClick(QObject*)
{
    m_tree->CreateFolder(ResText("MSG_NEWFOLDER", "New Folder"));
}

bool TvnSelDirDlgForm::GoToTypedPath()
{
    if (!m_pathEdit) return false;
    const QString text = m_pathEdit->Text().trimmed();
    if (text.isEmpty() || !ParseFolderPath(text)) return false;
    m_tree->SetPath(text);
    return true;
}

// ---- The component -------------------------------------------------------------------------

TvnSkinSelectDirectoryDialog::TvnSkinSelectDirectoryDialog(QObject* owner)
    : TComponent(owner)
    , m_defaultFont(new TFont(this))
{
    m_defaultFont->SetName(QStringLiteral("Arial"));
    m_defaultFont->SetHeight(14);
}

bool TvnSkinSelectDirectoryDialog::Execute()
{
    events::Fire(OnShow, this);
    bool confirmed = false;
    // OnClose runs and the window goes, whatever happens on the way.
    struct Finally {
        TvnSkinSelectDirectoryDialog* dialog;
        std::unique_ptr<TvnSelDirDlgForm>& form;
        ~Finally()
        {
            form.reset();
            dialog->m_form = nullptr;
            events::Fire(dialog->OnClose, dialog);
        }
    };
    std::unique_ptr<TvnSelDirDlgForm> form;
    Finally finally { this, form };

    form = std::make_unique<TvnSelDirDlgForm>(
        nullptr, m_ctrlSkinData, m_showToolBar, m_toolButtonsTransparent);
    m_form = form.get();
    form->SetCaption(m_title);
    veneer::TvnVeneerform* frame = form->Frame();
    frame->SetBorderIcons({});
    frame->setProperty("MinWidth", m_dialogMinWidth);
    frame->setProperty("MinHeight", m_dialogMinHeight);
    frame->setProperty("AlphaBlend", m_alphaBlend);
    frame->setProperty("AlphaBlendAnimation", m_alphaBlendAnimation);
    frame->setProperty("AlphaBlendValue", m_alphaBlendValue);
    frame->SetMenusSkinData(m_ctrlSkinData);
    frame->SetSkinData(m_skinData);

    TvnSkinDirTreeView* tree = form->Tree();
    const QList<TvnSkinBoundControl*> controls { form->MainPanel(), form->VScrollBar(), form->HScrollBar(),
        form->OkButton(), form->CancelButton(), form->BottomPanel() };
    for (TvnSkinBoundControl* c : controls)
        c->SetSkinData(m_ctrlSkinData);
    if (form->ToolPanel()) {
        form->ToolPanel()->SetSkinData(m_ctrlSkinData);
        form->NewFolderButton()->SetSkinData(m_ctrlSkinData);
        form->PathEdit()->SetSkinData(m_ctrlSkinData);
    }
    form->OkButton()->DefaultFont()->Assign(*m_defaultFont);
    form->CancelButton()->DefaultFont()->Assign(*m_defaultFont);
    tree->DefaultFont()->Assign(*m_defaultFont);
    tree->SetSkinData(m_ctrlSkinData);

    tree->CreateRoot();
    if (!m_directory.isEmpty() && ParseFolderPath(m_directory)) {
        tree->SetPath(m_directory);
    } else {
        // The drives folder: "/", opened.
        tree->SetPath(QStringLiteral("/"));
    }

    int width = m_dialogWidth > 0 ? m_dialogWidth : 280;
    int height = m_dialogHeight > 0 ? m_dialogHeight : 280;
    if (m_skinData && !m_skinData->Empty()) {
        width = std::max(width, frame->GetMinWidth());
        height = std::max(height, frame->GetMinHeight());
    }
    form->SetClientWidth(width);
    form->SetClientHeight(height);
    // The folder of last time in the middle of the tree, with its neighbours around it.
    if (tree->Selected()) tree->SetTopRow(tree->RowOf(tree->Selected()) - tree->VisibleRowCount() / 2);
    if (OnFormReady) OnFormReady(form.get());

    tree->setFocus(Qt::OtherFocusReason);
    const TModalResult result = form->ShowModal();
    m_dialogWidth = form->ClientWidth();
    m_dialogHeight = form->ClientHeight();
    const QString chosen = tree->SelectedPath();
    if (result == mrOk && !chosen.isEmpty()) {
        m_directory = chosen;
        confirmed = true;
    }
    return confirmed;
}

void RegisterShellCtrlsClasses()
{
    RegisterClass<TvnSkinDirTreeView>();
    RegisterClass<TvnSkinSelectDirectoryDialog>();
    RegisterClass<TvnSkinSpeedButton>();
    RegisterClass<TvnSkinBevel>();
    events::RegisterEvent<QObject*, const QString&, bool&>();
    events::RegisterEvent<QObject*, TTreeNode*, QString&>();
}

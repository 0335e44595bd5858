// The windows as assistive technology reads them through Qt's accessibility interfaces:
// the roles, names and states a screen reader speaks, and actions that do what the
// user's click does. The AT-SPI side of the same, on the real program, is the
// accessibility test (tests/accessibility).
#include "app/uLocalizarCliente/uLocalizarCliente.h"
#include "app/uPrincipal/uPrincipal.h"
#include "framework/data/ClientDataSet.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
#include "skin/controls/vnSkinBoxCtrls/SkinEdit.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"
#include "skin/controls/vndbctrls/DBCtrlGrid.h"
#include "support/MainWindowSession.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

namespace {

QAccessibleInterface* Iface(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

QString Name(QAccessibleInterface* iface) { return iface ? iface->text(QAccessible::Name) : QString(); }

void Do(QAccessibleInterface* iface, const QString& action)
{
    ASSERT_NE(iface, nullptr);
    ASSERT_NE(iface->actionInterface(), nullptr) << Name(iface).toStdString();
    ASSERT_TRUE(iface->actionInterface()->actionNames().contains(action))
        << Name(iface).toStdString() << " has no " << action.toStdString();
    iface->actionInterface()->doAction(action);
}

QStringList ChildNames(QAccessibleInterface* iface)
{
    QStringList names;
    for (int i = 0; i < iface->childCount(); ++i)
        names += Name(iface->child(i));
    return names;
}

} // namespace

class AccessibleWindows : public MainWindowSession { };

TEST_F(AccessibleWindows, TheClerksJobReadsAndWorksThroughTheInterfaces)
{
    ASSERT_TRUE(LogIn());
    const QString press = QAccessibleActionInterface::pressAction();

    // The search window: its edit is named by the label beside it, the events found are
    // list items named by what the panel shows, and pressing one chooses it.
    Search([&](TfrmLocalizar* search) {
        QAccessibleInterface* edit = Iface(search->EdtEvento->LineEdit());
        EXPECT_EQ(edit->role(), QAccessible::EditableText);
        EXPECT_EQ(Name(edit), "Localizar Cliente");
        search->EdtEvento->SetText(QString::fromUtf8("Luíza"));
        Do(Iface(search->edtLocalizar), press);
        ASSERT_TRUE(testenv::waitFor([] { return DM->cdsEvento->RecordCount() == 2; }));
        QAccessibleInterface* list = Iface(search->gdNova);
        EXPECT_EQ(list->role(), QAccessible::List);
        ASSERT_EQ(list->childCount(), 2);
        EXPECT_EQ(list->child(0)->role(), QAccessible::ListItem);
        EXPECT_TRUE(Name(list->child(0)).startsWith(QString::fromUtf8("Nome: Luíza Araújo")))
            << Name(list->child(0)).toStdString();
        EXPECT_TRUE(list->child(0)->state().selected);
        EXPECT_FALSE(list->child(1)->state().selected);
        // The choice runs once this script has returned to the window's loop.
        Do(list->child(0), press);
    });
    ASSERT_TRUE(testenv::waitFor([] { return !QApplication::activeModalWidget(); }));

    // The main window: a window named by its caption, with the frame's buttons.
    QAccessibleInterface* window = Iface(frmPrincipal);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(Name(window), frmPrincipal->windowTitle());
    QStringList frameButtons;
    for (int i = 0; i < window->childCount(); ++i)
        if (window->child(i)->role() == QAccessible::Button && !window->child(i)->object())
            frameButtons += Name(window->child(i));
    EXPECT_EQ(frameButtons, QStringList({ "Minimize", "Close" }));

    // The tabs with their counts; pressing one shows its page.
    QAccessibleInterface* tabs = Iface(frmPrincipal->pstFotos);
    EXPECT_EQ(tabs->role(), QAccessible::PageTabList);
    EXPECT_EQ(ChildNames(tabs),
        QStringList({ QString::fromUtf8("Ampliação (3)"), "Bioombo (1)", "Outros (2)",
            QString::fromUtf8("Álbum (4)"), "Capa (1)" }));
    EXPECT_EQ(tabs->child(0)->role(), QAccessible::PageTab);
    EXPECT_TRUE(tabs->child(0)->state().selected);
    Do(tabs->child(2), press);
    ASSERT_TRUE(testenv::waitFor([] { return frmPrincipal->pstFotos->TabIndex() == 2; }));
    EXPECT_TRUE(tabs->child(2)->state().selected);
    EXPECT_FALSE(tabs->child(0)->state().selected);
    EXPECT_EQ(tabs->indexOfChild(tabs->child(3)), 3);

    // The page's grid: a table of the chosen photos, its current record selected.
    QAccessibleInterface* grid = Iface(frmPrincipal->Category(2).Sheet->findChild<TvnSkinDBGrid*>());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    EXPECT_EQ(Name(grid), "Outros (2)");
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), DM->cdsFotoEscolhida->RecordCount());
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name),
        DM->cdsFotoEscolhida->FieldByName("nome_foto").AsString());
    EXPECT_EQ(table->selectedRows(), QList<int>({ 0 }));
    Do(table->cellAt(1, 0), QStringLiteral("select"));
    EXPECT_EQ(DM->cdsFotoEscolhida->RecNo(), 2);
    EXPECT_EQ(table->selectedRows(), QList<int>({ 1 }));

    // A check box: named by its caption, ticked by its action.
    TvnSkinCheckRadioBox* box = frmPrincipal->Category(0).CheckBox;
    QAccessibleInterface* check = Iface(box);
    EXPECT_EQ(check->role(), QAccessible::CheckBox);
    EXPECT_EQ(Name(check), QString::fromUtf8("Salvar Fotos. Ampliação"));
    EXPECT_FALSE(check->state().checked);
    Do(check, QAccessibleActionInterface::toggleAction());
    ASSERT_TRUE(testenv::waitFor([box] { return box->Checked(); }));
    EXPECT_TRUE(check->state().checked);

    // The folder's edit: read only, named by the label above it.
    QAccessibleInterface* folder = Iface(frmPrincipal->edtSalvarEM->LineEdit());
    EXPECT_TRUE(Name(folder).startsWith(QString::fromUtf8("Selecione Diretório")))
        << Name(folder).toStdString();
    EXPECT_TRUE(folder->state().readOnly);

    QAccessibleInterface* transfer = Iface(frmPrincipal->btnTransferirFoto);
    EXPECT_EQ(transfer->role(), QAccessible::Button);
    EXPECT_EQ(Name(transfer), "Transferir Fotos");
}

// The common controls as declared data creates them: a page control with its sheets and
// their children, a grid with its options, a tree view and a mask edit.
#include "framework/Form.h"
#include "framework/StandardClasses.h"
#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/TreeView.h"
#include "framework/declared/DeclaredLoader.h"
#include "framework/grids/DrawGrid.h"
#include "framework/stdctrls/MaskEdit.h"

#include <gtest/gtest.h>

TEST(DeclaredControls, PageControlSheetsGridTreeAndMaskEdit)
{
    RegisterStandardClasses();
    TForm form;
    declared::LoadRootFromText(&form, R"(
object frmFolhas: TForm
  ClientWidth = 460
  ClientHeight = 300
  object pstFotos: TPageControl
    Left = 8
    Top = 8
    Width = 409
    Height = 156
    ActivePage = tsOutros
    object tsAmpliacao: TTabSheet
      Caption = 'Amplia'#231#227'o'
      object gdAmpliacao: TDrawGrid
        Left = 0
        Top = 0
        Width = 300
        Height = 100
        ColCount = 2
        FixedCols = 0
        DefaultRowHeight = 17
        Options = [goFixedHorzLine, goRowSelect, goAlwaysShowSelection]
      end
    end
    object tsBioombo: TTabSheet
      Caption = 'Bioombo'
    end
    object tsOutros: TTabSheet
      Caption = 'Outros'
      object edtSalvarEM: TMaskEdit
        Left = 4
        Top = 4
        Width = 200
        Height = 21
        ReadOnly = True
        AutoSelect = False
      end
    end
  end
  object tvPastas: TTreeView
    Left = 8
    Top = 170
    Width = 200
    Height = 120
    HideSelection = False
  end
end
)",
        "folhas.dfm");
    auto* pages = form.findChild<TPageControl*>("pstFotos");
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->Page(0)->Caption(), QString::fromUtf8("Ampliação"));
    EXPECT_EQ(pages->ActivePage(), form.findChild<TTabSheet*>("tsOutros"));
    auto* grid = form.findChild<TDrawGrid*>("gdAmpliacao");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->parentWidget(), pages->Page(0));
    EXPECT_EQ(grid->Options(), goFixedHorzLine | goRowSelect | goAlwaysShowSelection);
    EXPECT_EQ(grid->DefaultRowHeight(), 17);
    auto* edit = form.findChild<TMaskEdit*>("edtSalvarEM");
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->ReadOnly());
    EXPECT_FALSE(edit->AutoSelect());
    auto* tree = form.findChild<TTreeView*>("tvPastas");
    ASSERT_NE(tree, nullptr);
    EXPECT_FALSE(tree->HideSelection());
}

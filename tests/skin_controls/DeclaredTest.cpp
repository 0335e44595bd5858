// The skinned controls as the windows declare them.
#include "framework/Form.h"
#include "framework/declared/DeclaredLoader.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/SkinControlClasses.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"
#include "skin/data/vnSkinData/SkinDataClasses.h"

#include <gtest/gtest.h>

TEST(DeclaredControls, EveryClassIsCreatedWithItsProperties)
{
    RegisterSkinDataClasses();
    RegisterSkinControlClasses();
    TForm form;
    declared::LoadRootFromText(&form, R"(object frmTeste: TForm
  object vnSkinData1: TvnSkinData
  end
  object gbCliente: TvnSkinGroupBox
    Left = 8
    Top = 8
    Width = 409
    Height = 105
    Caption = 'Cliente Selecionado'
    BorderStyle = bvLowered
    SkinData = vnSkinData1
    object lbNome: TvnSkinStdLabel
      Left = 12
      Top = 30
      Caption = 'Nome'
      EllipsType = vnetEndEllips
      SkinData = vnSkinData1
    end
  end
  object btnLocalizar: TvnSkinButton
    Left = 8
    Top = 120
    Caption = 'Localizar'
    Layout = blGlyphTop
    ModalResult = 1
    Default = True
    SkinData = vnSkinData1
  end
  object cbAmpliacao: TvnSkinCheckRadioBox
    Left = 100
    Top = 120
    Caption = 'Amplia'#231#227'o'
    Checked = True
    SkinData = vnSkinData1
  end
end
)",
        "frmTeste.dfm");
    auto* box = form.ComponentByName<TvnSkinGroupBox>("gbCliente");
    EXPECT_EQ(box->geometry(), QRect(8, 8, 409, 105));
    EXPECT_EQ(box->BorderStyle(), bvLowered);
    EXPECT_TRUE(box->CaptionMode());
    EXPECT_EQ(box->SkinData(), form.FindComponent("vnSkinData1"));
    auto* label = form.ComponentByName<TvnSkinStdLabel>("lbNome");
    EXPECT_EQ(label->parentWidget(), box);
    EXPECT_EQ(label->EllipsType(), vnetEndEllips);
    auto* button = form.ComponentByName<TvnSkinButton>("btnLocalizar");
    EXPECT_EQ(button->Layout(), vnbutton::blGlyphTop);
    EXPECT_EQ(button->ModalResult(), mrOk);
    EXPECT_TRUE(button->Active());
    auto* check = form.ComponentByName<TvnSkinCheckRadioBox>("cbAmpliacao");
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(check->Caption(), QString::fromUtf8("Ampliação"));
}

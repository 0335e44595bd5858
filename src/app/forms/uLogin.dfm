object frmLogin: TfrmLogin
  BorderStyle = bsNone
  Caption = 'Login'
  ClientHeight = 532
  ClientWidth = 709
  Color = clBtnFace
  Position = poDesktopCenter
  KeyPreview = True
  OnCloseQuery = FormCloseQuery
  OnKeyPress = FormKeyPress
  object Image1: TImage
    Left = 0
    Top = 0
    Width = 709
    Height = 533
    Picture = ':/images/login.jpg'
  end
  object Label1: TLabel
    Left = 233
    Top = 143
    Width = 59
    Height = 30
    Caption = 'Quira'
    Font.Color = 5855577
    Font.Height = -21
    Font.Name = 'Comic Sans MS'
    Font.Style = [fsBold]
    Transparent = True
  end
  object edtNome: TEdit
    Left = 270
    Top = 213
    Width = 163
    Height = 20
    BorderStyle = bsNoBorder
    CharCase = ecLowerCase
    Color = clWhite
    Ctl3D = False
    Font.Color = 5855577
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    TabOrder = 0
    AccessibleName = 'Login'
  end
  object edtSenha: TEdit
    Left = 270
    Top = 254
    Width = 172
    Height = 20
    BorderStyle = bsNoBorder
    CharCase = ecUpperCase
    Color = clWhite
    Ctl3D = False
    Font.Color = 5855577
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    PasswordChar = #248
    TabOrder = 1
    AccessibleName = 'Senha'
  end
  object btnLogar: TButton
    Left = 311
    Top = 304
    Width = 95
    Height = 33
    Caption = 'Logar'
    TabOrder = 2
    OnClick = btnLogarClick
  end
end

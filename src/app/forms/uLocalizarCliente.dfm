object frmLocalizar: TfrmLocalizar
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'Localizar Cliente'
  ClientHeight = 318
  ClientWidth = 797
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  KeyPreview = True
  Position = poDesktopCenter
  object vnVeneerform1: TvnVeneerform
    ClientInActiveEffect = False
    ClientInActiveEffectType = vnieSemiTransparent
    DisableSystemMenu = False
    AlwaysResize = False
    PositionInMonitor = vnpDefault
    UseFormCursorInNCArea = False
    MaxMenuItemsInWindow = 0
    ClientWidth = 0
    ClientHeight = 0
    HideCaptionButtons = False
    AlwaysShowInTray = False
    LogoBitMapTransparent = False
    AlwaysMinimizeToTray = False
    UseSkinFontInMenu = True
    ShowIcon = False
    MaximizeOnFullScreen = False
    AlphaBlend = False
    AlphaBlendAnimation = False
    AlphaBlendValue = 200
    ShowObjectHint = False
    MenusAlphaBlend = False
    MenusAlphaBlendAnimation = False
    MenusAlphaBlendValue = 200
    DefCaptionFont.Charset = DEFAULT_CHARSET
    DefCaptionFont.Color = clBtnText
    DefCaptionFont.Height = 14
    DefCaptionFont.Name = 'Arial'
    DefCaptionFont.Style = [fsBold]
    DefInActiveCaptionFont.Charset = DEFAULT_CHARSET
    DefInActiveCaptionFont.Color = clBtnShadow
    DefInActiveCaptionFont.Height = 14
    DefInActiveCaptionFont.Name = 'Arial'
    DefInActiveCaptionFont.Style = [fsBold]
    DefMenuItemHeight = 20
    DefMenuItemFont.Charset = DEFAULT_CHARSET
    DefMenuItemFont.Color = clWindowText
    DefMenuItemFont.Height = 14
    DefMenuItemFont.Name = 'Arial'
    DefMenuItemFont.Style = []
    UseDefaultSysMenu = True
    SkinData = DM.vnSkinData1
    MinHeight = 0
    MinWidth = 0
    MaxHeight = 0
    MaxWidth = 0
    Magnetic = False
    MagneticSize = 5
    BorderIcons = [biMinimize]
  end
  object vnSkinStdLabel9: TvnSkinStdLabel
    Left = 9
    Top = 2
    Caption = 'Localizar Cliente'
    SkinData = DM.vnSkinData1
  end
  object EdtEvento: TvnSkinEdit
    Left = 8
    Top = 16
    Width = 481
    Height = 18
    TabOrder = 0
    UseSkinFont = False
    DefaultFont.Color = clBlack
    DefaultFont.Height = 14
    DefaultFont.Name = 'Arial'
    Font.Color = clBlack
    Font.Height = 14
    Font.Name = 'Arial'
    OnKeyDown = EdtEventoKeyDown
    SkinData = DM.vnSkinData1
    SkinDataName = 'edit'
  end
  object edtLocalizar: TvnSkinButton
    Left = 497
    Top = 8
    Width = 75
    Height = 25
    Caption = 'Localizar'
    TabOrder = 1
    OnClick = edtLocalizarClick
    SkinData = DM.vnSkinData1
  end
  object vnSkinPanel1: TvnSkinPanel
    Left = 8
    Top = 40
    Width = 785
    Height = 273
    CaptionMode = False
    BorderStyle = bvFrame
    TabOrder = 2
    SkinData = DM.vnSkinData1
    object gdNova: TvnSkinDBCtrlGrid
      Left = 1
      Top = 1
      Width = 783
      Height = 265
      Align = alTop
      DataSource = DM.dsEvento
      RowCount = 5
      PanelHeight = 53
      PanelWidth = 764
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      TabOrder = 0
      OnKeyDown = gdNovaKeyDown
      OnDblClick = gdNovaDblClick
      SkinData = DM.vnSkinData1
      object vnSkinStdLabel17: TvnSkinStdLabel
        Left = 4
        Top = 1
        Caption = 'Nome'
        SkinData = DM.vnSkinData1
      end
      object vnSkinDBText12: TvnSkinDBText
        Left = 4
        Top = 11
        Width = 253
        Height = 24
        DataSource = DM.dsEvento
        DataField = 'nome'
        Font.Color = clBlack
        Font.Height = -21
        Font.Name = 'Times New Roman'
        Font.Style = [fsBold]
        UseSkinFont = False
        Transparent = True
        ShowAccelChar = False
        SkinData = DM.vnSkinData1
      end
      object vnSkinStdLabel18: TvnSkinStdLabel
        Left = 372
        Top = 1
        Caption = 'Data Evento'
        SkinData = DM.vnSkinData1
      end
      object vnSkinDBText2: TvnSkinDBText
        Left = 374
        Top = 12
        Width = 114
        Height = 18
        DataSource = DM.dsEvento
        DataField = 'data_evento'
        Font.Color = clBlack
        Font.Height = -16
        Font.Name = 'Times New Roman'
        Font.Style = [fsBold]
        UseSkinFont = False
        Transparent = True
        ShowAccelChar = False
        SkinData = DM.vnSkinData1
      end
      object vnSkinStdLabel1: TvnSkinStdLabel
        Left = 580
        Top = 1
        Caption = 'Tipo Evento'
        SkinData = DM.vnSkinData1
      end
      object vnSkinDBText1: TvnSkinDBText
        Left = 582
        Top = 11
        Width = 179
        Height = 21
        DataSource = DM.dsEvento
        DataField = 'descricao'
        Font.Color = clBlack
        Font.Height = -21
        Font.Name = 'Times New Roman'
        Font.Style = [fsBold]
        UseSkinFont = False
        Transparent = True
        ShowAccelChar = False
        SkinData = DM.vnSkinData1
      end
      object vnSkinStdLabel2: TvnSkinStdLabel
        Left = 4
        Top = 35
        Caption = 'Hora'
        SkinData = DM.vnSkinData1
      end
      object vnSkinDBText4: TvnSkinDBText
        Left = 35
        Top = 33
        Width = 114
        Height = 18
        DataSource = DM.dsEvento
        DataField = 'hora'
        Font.Color = clBlack
        Font.Height = -16
        Font.Name = 'Times New Roman'
        Font.Style = [fsBold]
        UseSkinFont = False
        Transparent = True
        ShowAccelChar = False
        SkinData = DM.vnSkinData1
      end
      object vnSkinStdLabel4: TvnSkinStdLabel
        Left = 582
        Top = 37
        Caption = 'Código Cliente'
        SkinData = DM.vnSkinData1
      end
      object vnSkinDBText3: TvnSkinDBText
        Left = 654
        Top = 33
        Width = 81
        Height = 18
        DataSource = DM.dsEvento
        DataField = 'id_evento'
        Font.Color = clBlack
        Font.Height = -16
        Font.Name = 'Times New Roman'
        Font.Style = [fsBold]
        UseSkinFont = False
        Transparent = True
        ShowAccelChar = False
        SkinData = DM.vnSkinData1
      end
    end
  end
end

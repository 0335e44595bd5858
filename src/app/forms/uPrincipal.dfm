object frmPrincipal: TfrmPrincipal
  BorderIcons = []
  Caption = 'Quira'
  ClientHeight = 351
  ClientWidth = 800
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poDesktopCenter
  OnShow = FormShow
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
    MinHeight = 379
    MinWidth = 816
    MaxHeight = 0
    MaxWidth = 0
    Magnetic = False
    MagneticSize = 5
    BorderIcons = [biMinimize]
  end
  object pstFotos: TvnSkinPageControl
    Left = 8
    Top = 79
    Width = 409
    Height = 156
    ActivePage = vnSkinTabSheet1
    TabOrder = 0
    DefaultFont.Height = 14
    DefaultFont.Name = 'Arial'
    OnChange = pstFotosChange
    SkinData = DM.vnSkinData1
    SkinDataName = 'tab'
    object vnSkinTabSheet1: TvnSkinTabSheet
      Caption = 'Ampliação'
      object vnSkinDBGrid1: TvnSkinDBGrid
        Left = 0
        Top = 0
        Width = 407
        Height = 113
        Align = alTop
        DataSource = DM.dsFotoEscolhida
        Options = [dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit]
        DefaultRowHeight = 17
        TabOrder = 0
        VScrollBar = vnSkinScrollBar1
        MouseWheelSupport = False
        OnDblClick = vnSkinDBGrid1DblClick
        SkinData = DM.vnSkinData1
        SkinDataName = 'grid'
      end
      object vnSkinScrollBar1: TvnSkinScrollBar
        Left = 387
        Top = -1
        Width = 19
        Height = 114
        Kind = sbVertical
        Visible = False
        TabOrder = 1
        SkinData = DM.vnSkinData1
        SkinDataName = 'vscrollbar'
      end
      object vnSkinStdLabel8: TvnSkinStdLabel
        Left = 8
        Top = 118
        Caption = 'Quantidade de Foto.:'
        SkinData = DM.vnSkinData1
      end
      object qtoFtosEscolhidas1: TvnSkinStdLabel
        Left = 112
        Top = 118
        Caption = '0'
        SkinData = DM.vnSkinData1
      end
    end
    object vnSkinTabSheet2: TvnSkinTabSheet
      Caption = 'Bioombo'
      object vnSkinDBGrid3: TvnSkinDBGrid
        Left = 0
        Top = 0
        Width = 407
        Height = 113
        Align = alTop
        DataSource = DM.dsFotoEscolhida
        Options = [dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit]
        DefaultRowHeight = 17
        TabOrder = 0
        VScrollBar = vnSkinScrollBar3
        MouseWheelSupport = False
        OnDblClick = vnSkinDBGrid1DblClick
        SkinData = DM.vnSkinData1
        SkinDataName = 'grid'
      end
      object vnSkinScrollBar3: TvnSkinScrollBar
        Left = 387
        Top = -1
        Width = 19
        Height = 114
        Kind = sbVertical
        Visible = False
        TabOrder = 1
        SkinData = DM.vnSkinData1
        SkinDataName = 'vscrollbar'
      end
      object vnSkinStdLabel6: TvnSkinStdLabel
        Left = 8
        Top = 118
        Caption = 'Quantidade de Foto.:'
        SkinData = DM.vnSkinData1
      end
      object qtoFtosEscolhidas2: TvnSkinStdLabel
        Left = 112
        Top = 118
        Caption = '0'
        SkinData = DM.vnSkinData1
      end
    end
    object vnSkinTabSheet3: TvnSkinTabSheet
      Caption = 'Outros'
      object vnSkinDBGrid4: TvnSkinDBGrid
        Left = 0
        Top = 0
        Width = 407
        Height = 113
        Align = alTop
        DataSource = DM.dsFotoEscolhida
        Options = [dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit]
        DefaultRowHeight = 17
        TabOrder = 0
        VScrollBar = vnSkinScrollBar5
        MouseWheelSupport = False
        OnDblClick = vnSkinDBGrid1DblClick
        SkinData = DM.vnSkinData1
        SkinDataName = 'grid'
      end
      object vnSkinScrollBar5: TvnSkinScrollBar
        Left = 387
        Top = -1
        Width = 19
        Height = 114
        Kind = sbVertical
        Visible = False
        TabOrder = 1
        SkinData = DM.vnSkinData1
        SkinDataName = 'vscrollbar'
      end
      object vnSkinStdLabel10: TvnSkinStdLabel
        Left = 8
        Top = 118
        Caption = 'Quantidade de Foto.:'
        SkinData = DM.vnSkinData1
      end
      object qtoFtosEscolhidas3: TvnSkinStdLabel
        Left = 112
        Top = 118
        Caption = '0'
        SkinData = DM.vnSkinData1
      end
    end
    object vnSkinTabSheet4: TvnSkinTabSheet
      Caption = 'Álbum'
      object vnSkinDBGrid2: TvnSkinDBGrid
        Left = 0
        Top = 0
        Width = 407
        Height = 113
        Align = alTop
        DataSource = DM.dsFotoEscolhida
        Options = [dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit]
        DefaultRowHeight = 17
        TabOrder = 0
        VScrollBar = vnSkinScrollBar2
        MouseWheelSupport = False
        OnDblClick = vnSkinDBGrid1DblClick
        SkinData = DM.vnSkinData1
        SkinDataName = 'grid'
      end
      object vnSkinScrollBar2: TvnSkinScrollBar
        Left = 387
        Top = -1
        Width = 19
        Height = 114
        Kind = sbVertical
        Visible = False
        TabOrder = 1
        SkinData = DM.vnSkinData1
        SkinDataName = 'vscrollbar'
      end
      object vnSkinStdLabel5: TvnSkinStdLabel
        Left = 8
        Top = 118
        Caption = 'Quantidade de Foto.:'
        SkinData = DM.vnSkinData1
      end
      object qtoFtosEscolhidas4: TvnSkinStdLabel
        Left = 112
        Top = 118
        Caption = '0'
        SkinData = DM.vnSkinData1
      end
    end
    object vnSkinTabSheet5: TvnSkinTabSheet
      Caption = 'Capa'
      object vnSkinDBGrid5: TvnSkinDBGrid
        Left = 0
        Top = 0
        Width = 407
        Height = 113
        Align = alTop
        DataSource = DM.dsFotoEscolhida
        Options = [dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit]
        DefaultRowHeight = 17
        TabOrder = 0
        VScrollBar = vnSkinScrollBar6
        MouseWheelSupport = False
        OnDblClick = vnSkinDBGrid1DblClick
        SkinData = DM.vnSkinData1
        SkinDataName = 'grid'
      end
      object vnSkinScrollBar6: TvnSkinScrollBar
        Left = 387
        Top = -1
        Width = 19
        Height = 114
        Kind = sbVertical
        Visible = False
        TabOrder = 1
        SkinData = DM.vnSkinData1
        SkinDataName = 'vscrollbar'
      end
      object vnSkinStdLabel12: TvnSkinStdLabel
        Left = 8
        Top = 118
        Caption = 'Quantidade de Foto.:'
        SkinData = DM.vnSkinData1
      end
      object qtoFtosEscolhidas5: TvnSkinStdLabel
        Left = 112
        Top = 118
        Caption = '0'
        SkinData = DM.vnSkinData1
      end
    end
  end
  object vnSkinGroupBox1: TvnSkinGroupBox
    Left = 8
    Top = 239
    Width = 409
    Height = 105
    Caption = 'Savar Fotos'
    TabOrder = 1
    SkinData = DM.vnSkinData1
    object cbAmpliacao: TvnSkinCheckRadioBox
      Left = 26
      Top = 24
      Width = 155
      Height = 25
      Caption = 'Salvar Fotos. Ampliação'
      Flat = True
      AllowGrayed = False
      Checked = False
      TabStop = True
      TabOrder = 0
      SkinData = DM.vnSkinData1
      SkinDataName = 'checkbox'
    end
    object lbAmpliacao: TvnSkinStdLabel
      Left = 12
      Top = 29
      Caption = '(0)'
      Width = 15
      Alignment = taRightJustify
      SkinData = DM.vnSkinData1
    end
    object cbBioombo: TvnSkinCheckRadioBox
      Left = 258
      Top = 24
      Width = 139
      Height = 25
      Caption = 'Salvar Fotos. Bioombo'
      Flat = True
      AllowGrayed = False
      Checked = False
      TabStop = True
      TabOrder = 1
      SkinData = DM.vnSkinData1
      SkinDataName = 'checkbox'
    end
    object lbBioombo: TvnSkinStdLabel
      Left = 244
      Top = 29
      Caption = '(0)'
      Width = 15
      Alignment = taRightJustify
      SkinData = DM.vnSkinData1
    end
    object cbOutros: TvnSkinCheckRadioBox
      Left = 26
      Top = 48
      Width = 141
      Height = 25
      Caption = 'Salvar Fotos. Outros'
      Flat = True
      AllowGrayed = False
      Checked = False
      TabStop = True
      TabOrder = 2
      SkinData = DM.vnSkinData1
      SkinDataName = 'checkbox'
    end
    object lbOutros: TvnSkinStdLabel
      Left = 12
      Top = 53
      Caption = '(0)'
      Width = 15
      Alignment = taRightJustify
      SkinData = DM.vnSkinData1
    end
    object cbAlbum: TvnSkinCheckRadioBox
      Left = 26
      Top = 72
      Width = 140
      Height = 25
      Caption = 'Salvar Fotos. Álbum'
      Flat = True
      AllowGrayed = False
      Checked = False
      TabStop = True
      TabOrder = 3
      SkinData = DM.vnSkinData1
      SkinDataName = 'checkbox'
    end
    object lbAlbum: TvnSkinStdLabel
      Left = 12
      Top = 77
      Caption = '(0)'
      Width = 15
      Alignment = taRightJustify
      SkinData = DM.vnSkinData1
    end
    object cbCapa: TvnSkinCheckRadioBox
      Left = 258
      Top = 48
      Width = 136
      Height = 25
      Caption = 'Salvar Fotos. Capa'
      Flat = True
      AllowGrayed = False
      Checked = False
      TabStop = True
      TabOrder = 4
      SkinData = DM.vnSkinData1
      SkinDataName = 'checkbox'
    end
    object lbCapa: TvnSkinStdLabel
      Left = 244
      Top = 53
      Caption = '(0)'
      Width = 15
      Alignment = taRightJustify
      SkinData = DM.vnSkinData1
    end
  end
  object ListBoxDiretorio: TListBox
    Left = 720
    Top = 288
    Width = 73
    Height = 17
    Visible = False
    TabOrder = 2
  end
  object vnSkinGroupBox2: TvnSkinGroupBox
    Left = 422
    Top = 111
    Width = 371
    Height = 234
    Caption = 'Separa Fotos em Alta Resolução'
    TabOrder = 3
    SkinData = DM.vnSkinData1
    object vnSkinStdLabel3: TvnSkinStdLabel
      Left = 9
      Top = 26
      Caption = 'Selecione Diretório  (Selecione diretório principal ex.: C:\Cliente)'
      AutoSize = False
      Width = 300
      Height = 13
      SkinData = DM.vnSkinData1
    end
    object edtSalvarEM: TvnSkinMaskEdit
      Left = 8
      Top = 42
      Width = 305
      Height = 18
      ReadOnly = True
      TabOrder = 0
      BorderStyle = bsNoBorder
      UseSkinFont = False
      DefaultFont.Color = clBlack
      DefaultFont.Height = 14
      DefaultFont.Name = 'Arial'
      Font.Color = clBlack
      Font.Height = 14
      Font.Name = 'Arial'
      SkinData = DM.vnSkinData1
      SkinDataName = 'edit'
    end
    object vnSkinButton3: TvnSkinButton
      Left = 320
      Top = 40
      Width = 37
      Height = 20
      Caption = '...'
      TabOrder = 1
      OnClick = vnSkinButton3Click
      SkinData = DM.vnSkinData1
    end
    object Image1: TImage
      Left = 12
      Top = 70
      Width = 138
      Height = 137
      Stretch = True
    end
    object lbDiretorio: TvnSkinStdLabel
      Left = 4
      Top = 249
      Caption = '-'
      SkinData = DM.vnSkinData1
    end
    object ListBoxCienteSelecionou: TListBox
      Left = 48
      Top = 184
      Width = 49
      Height = 25
      Visible = False
      TabOrder = 2
    end
    object vnSkinGroupBox3: TvnSkinGroupBox
      Left = 215
      Top = 64
      Width = 142
      Height = 118
      Caption = 'Informativo'
      TabOrder = 3
      SkinData = DM.vnSkinData1
      object vnSkinStdLabel7: TvnSkinStdLabel
        Left = 12
        Top = 26
        Caption = 'Quantidade de Fotos'
        SkinData = DM.vnSkinData1
      end
      object lbQtoFotos: TvnSkinStdLabel
        Left = 12
        Top = 42
        Caption = '0'
        AutoSize = False
        Width = 95
        Height = 13
        Alignment = taCenter
        SkinData = DM.vnSkinData1
      end
    end
    object btnTransferirFoto: TvnSkinButton
      Left = 213
      Top = 190
      Width = 145
      Height = 27
      Caption = 'Transferir Fotos'
      Enabled = False
      TabOrder = 4
      OnClick = btnTransferirFotoClick
      SkinData = DM.vnSkinData1
    end
  end
  object vnSkinGroupBox4: TvnSkinGroupBox
    Left = 8
    Top = 7
    Width = 785
    Height = 65
    Caption = 'Cliente Selecionado'
    TabOrder = 4
    SkinData = DM.vnSkinData1
    object vnSkinStdLabel11: TvnSkinStdLabel
      Left = 4
      Top = 25
      Caption = 'Nome'
      SkinData = DM.vnSkinData1
    end
    object vnSkinDBText5: TvnSkinDBText
      Left = 4
      Top = 36
      Width = 261
      Height = 21
      DataSource = DM.dsEventoEscolhido
      DataField = 'nome'
      Font.Color = clBlack
      Font.Height = -16
      Font.Name = 'Times New Roman'
      Font.Style = [fsBold]
      UseSkinFont = False
      Transparent = True
      SkinData = DM.vnSkinData1
    end
    object vnSkinStdLabel15: TvnSkinStdLabel
      Left = 268
      Top = 25
      Caption = 'Data Evento'
      SkinData = DM.vnSkinData1
    end
    object vnSkinDBText8: TvnSkinDBText
      Left = 270
      Top = 36
      Width = 163
      Height = 18
      DataSource = DM.dsEventoEscolhido
      DataField = 'data_evento'
      Font.Color = clBlack
      Font.Height = -16
      Font.Name = 'Times New Roman'
      Font.Style = [fsBold]
      UseSkinFont = False
      Transparent = True
      SkinData = DM.vnSkinData1
    end
    object vnSkinStdLabel14: TvnSkinStdLabel
      Left = 436
      Top = 25
      Caption = 'Tipo Evento'
      SkinData = DM.vnSkinData1
    end
    object vnSkinDBText7: TvnSkinDBText
      Left = 438
      Top = 36
      Width = 179
      Height = 19
      DataSource = DM.dsEventoEscolhido
      DataField = 'descricao'
      Font.Color = clBlack
      Font.Height = -16
      Font.Name = 'Times New Roman'
      Font.Style = [fsBold]
      UseSkinFont = False
      Transparent = True
      SkinData = DM.vnSkinData1
    end
    object vnSkinStdLabel13: TvnSkinStdLabel
      Left = 654
      Top = 25
      Caption = 'Código Cliente'
      SkinData = DM.vnSkinData1
    end
    object vnSkinDBText6: TvnSkinDBText
      Left = 654
      Top = 36
      Width = 123
      Height = 18
      DataSource = DM.dsEventoEscolhido
      DataField = 'id_evento'
      Font.Color = clBlack
      Font.Height = -16
      Font.Name = 'Times New Roman'
      Font.Style = [fsBold]
      UseSkinFont = False
      Transparent = True
      SkinData = DM.vnSkinData1
    end
  end
  object btnLocalizarCliente: TvnSkinButton
    Left = 680
    Top = 80
    Width = 110
    Height = 25
    Caption = 'Localizar Cliente'
    TabOrder = 5
    OnClick = btnLocalizarClienteClick
    SkinData = DM.vnSkinData1
  end
  object vnSkinSelectDirectoryDialog1: TvnSkinSelectDirectoryDialog
    Title = 'Select folder'
    ShowToolBar = False
    CtrlSkinData = DM.vnSkinData1
  end
end

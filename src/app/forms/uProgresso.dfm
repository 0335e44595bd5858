object frmProgresso: TfrmProgresso
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'Transferindo fotos'
  ClientHeight = 132
  ClientWidth = 420
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poMainFormCenter
  OnShow = FormShow
  OnCloseQuery = FormCloseQuery
  object vnVeneerform1: TvnVeneerform
    ShowIcon = False
    DefCaptionFont.Height = 14
    DefCaptionFont.Name = 'Arial'
    DefCaptionFont.Style = [fsBold]
    SkinData = DM.vnSkinData1
    BorderIcons = []
  end
  object lbCategoria: TvnSkinStdLabel
    Left = 12
    Top = 10
    Width = 396
    Height = 16
    AutoSize = False
    Caption = 'Procurando as fotos no diretório...'
    SkinData = DM.vnSkinData1
  end
  object lbContagem: TvnSkinStdLabel
    Left = 12
    Top = 30
    Width = 396
    Height = 16
    AutoSize = False
    Caption = ''
    SkinData = DM.vnSkinData1
  end
  object lbArquivo: TvnSkinStdLabel
    Left = 12
    Top = 50
    Width = 396
    Height = 16
    AutoSize = False
    Caption = ''
    EllipsType = vnetPathEllips
    SkinData = DM.vnSkinData1
  end
  object ggProgresso: TvnSkinGauge
    Left = 12
    Top = 72
    Width = 396
    Height = 18
    SkinData = DM.vnSkinData1
  end
  object btnCancelar: TvnSkinButton
    Left = 164
    Top = 100
    Width = 92
    Height = 25
    Caption = 'Cancelar'
    Cancel = True
    TabOrder = 0
    TabStop = False
    OnClick = btnCancelarClick
    SkinData = DM.vnSkinData1
  end
end

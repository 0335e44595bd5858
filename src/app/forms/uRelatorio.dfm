object frmRelatorio: TfrmRelatorio
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'Relatório da transferência'
  ClientHeight = 388
  ClientWidth = 560
  Color = clBtnFace
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poMainFormCenter
  object vnVeneerform1: TvnVeneerform
    ShowIcon = False
    DefCaptionFont.Height = 14
    DefCaptionFont.Name = 'Arial'
    DefCaptionFont.Style = [fsBold]
    SkinData = DM.vnSkinData1
    BorderIcons = []
  end
  object lbResumo: TvnSkinStdLabel
    Left = 8
    Top = 8
    Caption = 'Nem todas as fotos escolhidas estão nas pastas de edição. Veja abaixo o que aconteceu.'
    SkinData = DM.vnSkinData1
  end
  object lstRelatorio: TListBox
    Left = 8
    Top = 28
    Width = 544
    Height = 318
    TabOrder = 0
  end
  object lbSalvo: TvnSkinStdLabel
    Left = 8
    Top = 360
    Width = 280
    Height = 13
    AutoSize = False
    Caption = ''
    EllipsType = vnetPathEllips
    SkinData = DM.vnSkinData1
  end
  object btnSalvar: TvnSkinButton
    Left = 296
    Top = 354
    Width = 140
    Height = 25
    Caption = 'Salvar relatório'
    TabOrder = 1
    OnClick = btnSalvarClick
    SkinData = DM.vnSkinData1
  end
  object btnFechar: TvnSkinButton
    Left = 444
    Top = 354
    Width = 108
    Height = 25
    Caption = 'Fechar'
    Cancel = True
    Default = True
    ModalResult = 1
    TabOrder = 2
    SkinData = DM.vnSkinData1
  end
end

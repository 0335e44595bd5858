object frmVerImg: TfrmVerImg
  BorderStyle = bsDialog
  Caption = 'Foto'
  ClientHeight = 567
  ClientWidth = 790
  Color = clBtnFace
  Position = poDesktopCenter
  OnKeyDown = FormKeyDown
  object WebBrowser1: TWebBrowser
    Left = 0
    Top = 0
    Width = 790
    Height = 567
    TabOrder = 0
  end
end

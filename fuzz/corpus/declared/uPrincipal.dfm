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
end

object Form51: TForm51
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'Nome do Técnico:'
  ClientWidth = 340
  ClientHeight = 130
  Color = clWhite
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  OnClose = FormClose
  object Label1: TLabel
    Left = 16
    Top = 16
    Caption = 'Nome do Técnico:'
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Edit1: TEdit
    Left = 16
    Top = 42
    Width = 308
    MaxLength = 25
    OnChange = Edit1Change
  end
  object bt2: TGradButton
    Left = 120
    Top = 82
    Width = 100
    Height = 32
    Caption = 'OK'
    ColorScheme = csNeoSky
    Default = True
    Enabled = False
    OnClick = bt2Click
  end
end

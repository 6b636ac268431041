object Form25: TForm25
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  BorderIcons = []
  Caption = 'Pedido salarial do jogador'
  ClientWidth = 360
  ClientHeight = 150
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  OnCreate = FormCreate
  OnClose = FormClose
  object Label1: TLabel
    Left = 16
    Top = 20
    Width = 328
    Height = 18
    AutoSize = False
    Caption = 'Jogador recusou, exige um mínimo de: '
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 46
    Width = 328
    Height = 24
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = 128
    Transparent = True
  end
  object button1: TGradButton
    Left = 70
    Top = 100
    Width = 100
    Height = 30
    Caption = 'Aceitar'
    ColorScheme = csNeoSky
    OnClick = button1Click
  end
  object button2: TGradButton
    Left = 190
    Top = 100
    Width = 100
    Height = 30
    Caption = 'Recusar'
    ColorScheme = csNeoSky
    OnClick = button2Click
  end
end

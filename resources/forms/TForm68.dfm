object Form68: TForm68
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  BorderIcons = []
  Caption = 'Proposta de compra'
  ClientWidth = 460
  ClientHeight = 300
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  OnCreate = FormCreate
  OnClose = FormClose
  object escudo: TImage
    Left = 16
    Top = 16
    Width = 64
    Height = 64
    Center = True
    Proportional = True
    Stretch = True
    Transparent = True
  end
  object Label1: TLabel
    Left = 96
    Top = 18
    Width = 348
    Height = 22
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label2: TLabel
    Left = 96
    Top = 46
    Width = 348
    Height = 18
    AutoSize = False
    Caption = 'Está querendo comprar o jogador:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label3: TLabel
    Left = 96
    Top = 68
    Width = 348
    Height = 22
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = 128
    Transparent = True
  end
  object Label7: TLabel
    Left = 96
    Top = 94
    Width = 160
    Height = 18
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label4: TLabel
    Left = 264
    Top = 94
    Width = 90
    Height = 18
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label5: TLabel
    Left = 360
    Top = 94
    Width = 84
    Height = 18
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label6: TLabel
    Left = 96
    Top = 114
    Width = 348
    Height = 18
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label8: TLabel
    Left = 96
    Top = 134
    Width = 348
    Height = 18
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label9: TLabel
    Left = 16
    Top = 166
    Width = 428
    Height = 18
    AutoSize = False
    Caption = 'Valor da proposta:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label10: TLabel
    Left = 16
    Top = 186
    Width = 428
    Height = 22
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = 32768
    Transparent = True
  end
  object Label11: TLabel
    Left = 16
    Top = 222
    Width = 428
    Height = 18
    AutoSize = False
    Caption = 'Deseja aceitar a proposta e vender o jogador?'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object bt3: TGradButton
    Left = 120
    Top = 256
    Width = 100
    Height = 30
    Caption = 'Sim'
    ColorScheme = csNeoSky
    OnClick = bt3Click
  end
  object GradButton1: TGradButton
    Left = 240
    Top = 256
    Width = 100
    Height = 30
    Caption = 'Não'
    ColorScheme = csNeoSky
    OnClick = GradButton1Click
  end
end

object Form59: TForm59
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  BorderIcons = []
  Caption = 'Proposta de empréstimo'
  ClientWidth = 420
  ClientHeight = 200
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
  object Label2: TLabel
    Left = 96
    Top = 18
    Width = 308
    Height = 22
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label1: TLabel
    Left = 96
    Top = 48
    Width = 308
    Height = 18
    AutoSize = False
    Caption = 'Está querendo por empréstimo o jogador:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label7: TLabel
    Left = 96
    Top = 70
    Width = 308
    Height = 22
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = 128
    Transparent = True
  end
  object Label3: TLabel
    Left = 16
    Top = 114
    Width = 388
    Height = 18
    AutoSize = False
    Caption = 'Deseja emprestar o jogador?'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object bt3: TGradButton
    Left = 100
    Top = 152
    Width = 100
    Height = 30
    Caption = 'Sim'
    ColorScheme = csNeoSky
    OnClick = bt3Click
  end
  object GradButton1: TGradButton
    Left = 220
    Top = 152
    Width = 100
    Height = 30
    Caption = 'Não'
    ColorScheme = csNeoSky
    OnClick = GradButton1Click
  end
end

object Form72: TForm72
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Falecimento do jogador'
  ClientWidth = 440
  ClientHeight = 236
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 16
    Top = 14
    Caption = 'Falecimento do jogador'
    Font.Name = 'Arial'
    Font.Height = -22
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label3: TLabel
    Left = 16
    Top = 50
    Width = 408
    Height = 22
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 80
    Width = 408
    Height = 54
    AutoSize = False
    WordWrap = True
    Caption = 'Temos o pesar de comunicar que o jogador faleceu após o treinamento de hoje, teve um infarto cardíaco. Sua idade avançada contribuiu pra isso.'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object Label4: TLabel
    Left = 16
    Top = 140
    Width = 408
    Height = 38
    AutoSize = False
    WordWrap = True
    Caption = 'O seu clube foi responsabilizado pela morte e irá perder 5 pontos no campeonato.'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = 192
    Transparent = True
  end
  object bt3: TGradButton
    Left = 170
    Top = 192
    Width = 100
    Height = 30
    Caption = 'Fechar'
    ColorScheme = csNeoSky
    Default = True
    OnClick = bt3Click
  end
end

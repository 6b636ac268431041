object Form45: TForm45
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Sobre o jogo'
  ClientWidth = 380
  ClientHeight = 260
  Color = 3355443
  KeyPreview = True
  Position = poScreenCenter
  object Label1: TLabel
    Left = 20
    Top = 16
    Caption = 'Tarvelon'
    Font.Name = 'Arial'
    Font.Height = -28
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Label2: TLabel
    Left = 20
    Top = 56
    Caption = 'Edição 0.1 - jogo de gerenciamento de futebol'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = 4202496
    Transparent = True
  end
  object Label3: TLabel
    Left = 20
    Top = 92
    Width = 340
    Height = 56
    AutoSize = False
    WordWrap = True
    Caption = 'Programação, desenho e banco de dados fictício: Equipe Tarvelon. Todos os clubes, jogadores e técnicos do jogo são inventados.'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
    Transparent = True
  end
  object Label4: TLabel
    Left = 20
    Top = 162
    Cursor = crHandPoint
    Caption = 'Página do jogo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
    OnClick = PageClick
  end
  object Label5: TLabel
    Left = 124
    Top = 162
    Cursor = crHandPoint
    Caption = 'tarvelon.html'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsUnderline]
    Font.Color = clBlue
    Transparent = True
    OnClick = PageClick
  end
  object GradButton2: TGradButton
    Left = 240
    Top = 212
    Width = 120
    Height = 30
    Caption = 'Fechar'
    OnClick = GradButton2Click
  end
end

object Form12: TForm12
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Inicializando o jogo...'
  ClientWidth = 420
  ClientHeight = 120
  Color = 3355443
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 20
    Top = 24
    Caption = 'Inicializando o jogo...'
    Font.Name = 'Arial'
    Font.Height = -18
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object progress: TProgressBar
    Left = 20
    Top = 66
    Width = 380
    Height = 22
    Min = 0
    Max = 100
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 500
    OnTimer = Timer1Timer
  end
end

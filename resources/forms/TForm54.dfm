object Form54: TForm54
  BorderStyle = bsDialog
  Caption = 'Cobran'#231'a de p'#234'nalti'
  ClientWidth = 420
  ClientHeight = 130
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object escudo: TImage
    Left = 12
    Top = 12
    Width = 56
    Height = 56
    Stretch = True
    Center = True
  end
  object Label2: TLabel
    Left = 80
    Top = 14
    Width = 328
    Height = 100
    AutoSize = False
    WordWrap = True
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clNavy
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 2000
    OnTimer = Timer1Timer
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 2000
    OnTimer = Timer2Timer
  end
end

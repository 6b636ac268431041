object Form57: TForm57
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Mudanças de técnicos'
  ClientWidth = 480
  ClientHeight = 260
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  OnCreate = FormCreate
  OnShow = FormShow
  OnKeyDown = FormKeyDown
  object escudo: TImage
    Left = 16
    Top = 16
    Width = 80
    Height = 80
    Center = True
    Proportional = True
    Stretch = True
    Transparent = True
  end
  object Label2: TLabel
    Left = 112
    Top = 16
    Font.Name = 'Arial'
    Font.Height = -22
    Font.Style = [fsBold]
    Font.Color = 192
    Transparent = True
  end
  object Label3: TLabel
    Left = 112
    Top = 54
    Width = 352
    Height = 40
    AutoSize = False
    WordWrap = True
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label4: TLabel
    Left = 16
    Top = 108
    Width = 448
    Height = 54
    AutoSize = False
    WordWrap = True
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object Label5: TLabel
    Left = 16
    Top = 166
    Width = 448
    Height = 38
    AutoSize = False
    WordWrap = True
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clNavy
    Transparent = True
  end
  object GradButton2: TGradButton
    Left = 190
    Top = 216
    Width = 100
    Height = 30
    Caption = 'OK'
    ColorScheme = csNeoSky
    Default = True
    OnClick = GradButton2Click
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 1000
    OnTimer = Timer1Timer
  end
end

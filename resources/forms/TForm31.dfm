object Form31: TForm31
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Técnico demitido'
  ClientWidth = 460
  ClientHeight = 250
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clWhite
  OnCreate = FormCreate
  OnClose = FormClose
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
    Caption = 'Demitido!'
    Font.Name = 'Arial'
    Font.Height = -24
    Font.Style = [fsBold]
    Font.Color = 192
    Transparent = True
  end
  object Label3: TLabel
    Left = 112
    Top = 52
    Width = 330
    Height = 20
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label4: TLabel
    Left = 16
    Top = 106
    Width = 428
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
    Top = 164
    Width = 428
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clNavy
    Transparent = True
  end
  object Label1: TLabel
    Left = 16
    Top = 186
    Width = 428
    Height = 18
    AutoSize = False
    Caption = 'Espere agora que outro time resolva contrata-lo.'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsItalic]
    Font.Color = 4210752
    Transparent = True
  end
  object GradButton2: TGradButton
    Left = 180
    Top = 210
    Width = 100
    Height = 30
    Caption = 'OK'
    ColorScheme = csNeoSky
    Default = True
    OnClick = GradButton2Click
  end
end

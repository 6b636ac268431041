object Form86: TForm86
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Cores do time'
  ClientWidth = 320
  ClientHeight = 176
  Color = 3355443
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clWhite
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 20
    Top = 12
    Caption = 'Cores do time'
    Font.Name = 'Arial'
    Font.Height = -18
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object Label2: TLabel
    Left = 20
    Top = 58
    Caption = 'Cor principal:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object Shape1: TShape
    Left = 140
    Top = 52
    Width = 160
    Height = 26
    Cursor = crHandPoint
    OnMouseDown = ShapeMouseDown
  end
  object Label3: TLabel
    Left = 20
    Top = 96
    Caption = 'Cor secundária:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object Shape2: TShape
    Left = 140
    Top = 90
    Width = 160
    Height = 26
    Cursor = crHandPoint
    OnMouseDown = ShapeMouseDown
  end
  object GradButton1: TGradButton
    Left = 110
    Top = 132
    Width = 100
    Height = 30
    Caption = 'OK'
    ColorScheme = csNeoSky
    Default = True
    OnClick = GradButton1Click
  end
  object ColorDialog1: TColorDialog
  end
end

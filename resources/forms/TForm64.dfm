object Form64: TForm64
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Cores de fundo da Lista'
  ClientWidth = 330
  ClientHeight = 290
  Color = 3355443
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 20
    Top = 12
    Caption = 'Cores de fundo da Lista'
    Font.Name = 'Arial'
    Font.Height = -18
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Label2: TLabel
    Left = 20
    Top = 62
    Caption = 'Goleiros:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Shape1: TShape
    Left = 130
    Top = 56
    Width = 180
    Height = 26
    Cursor = crHandPoint
    Tag = 0
    OnMouseDown = ShapeMouseDown
  end
  object Label3: TLabel
    Left = 20
    Top = 96
    Caption = 'Laterais:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Shape2: TShape
    Left = 130
    Top = 90
    Width = 180
    Height = 26
    Cursor = crHandPoint
    Tag = 1
    OnMouseDown = ShapeMouseDown
  end
  object Label4: TLabel
    Left = 20
    Top = 130
    Caption = 'Zagueiros:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Shape3: TShape
    Left = 130
    Top = 124
    Width = 180
    Height = 26
    Cursor = crHandPoint
    Tag = 2
    OnMouseDown = ShapeMouseDown
  end
  object Label5: TLabel
    Left = 20
    Top = 164
    Caption = 'Meias:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Shape4: TShape
    Left = 130
    Top = 158
    Width = 180
    Height = 26
    Cursor = crHandPoint
    Tag = 3
    OnMouseDown = ShapeMouseDown
  end
  object Label6: TLabel
    Left = 20
    Top = 198
    Caption = 'Atacantes:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Shape5: TShape
    Left = 130
    Top = 192
    Width = 180
    Height = 26
    Cursor = crHandPoint
    Tag = 4
    OnMouseDown = ShapeMouseDown
  end
  object GradButton2: TGradButton
    Left = 20
    Top = 240
    Width = 130
    Height = 30
    Caption = 'Cores Padrão'
    OnClick = GradButton2Click
  end
  object GradButton1: TGradButton
    Left = 180
    Top = 240
    Width = 130
    Height = 30
    Caption = 'Fechar'
    OnClick = GradButton1Click
  end
  object ColorDialog1: TColorDialog
  end
end

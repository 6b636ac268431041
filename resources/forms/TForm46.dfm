object Form46: TForm46
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Rodada ao vivo'
  ClientWidth = 800
  ClientHeight = 600
  Color = $306A30
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnCreate = FormCreate
  OnClose = FormClose
  OnKeyDown = FormKeyDown
  object lcamp: TLabel
    Left = 104
    Top = 8
    Caption = 'Campeonato'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clYellow
    Transparent = True
  end
  object Label1: TLabel
    Left = 352
    Top = 6
    Width = 182
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Caption = '0'#39
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Color = clYellow
    Transparent = True
    Visible = False
  end
  object g1: TGauge
    Left = 544
    Top = 8
    Width = 105
    Height = 17
    MaxValue = 45
    ForeColor = clNavy
    BackColor = clAqua
    ShowText = False
  end
  object labtempo: TLabel
    Left = 672
    Top = 8
    Caption = '1'#186' tempo'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clYellow
    Transparent = True
  end
  object labv2: TLabel
    Tag = 2
    Left = 400
    Top = 30
    Caption = '[ ver 2'#170' divis'#227'o ]'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsUnderline]
    Font.Color = clWhite
    Transparent = True
    Visible = False
    OnClick = labeleClick
  end
  object labv3: TLabel
    Tag = 3
    Left = 515
    Top = 30
    Caption = '[ ver 3'#170' divis'#227'o ]'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsUnderline]
    Font.Color = clWhite
    Transparent = True
    Visible = False
    OnClick = labeleClick
  end
  object labv4: TLabel
    Tag = 4
    Left = 630
    Top = 30
    Caption = '[ ver 4'#170' divis'#227'o ]'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsUnderline]
    Font.Color = clWhite
    Transparent = True
    Visible = False
    OnClick = labeleClick
  end
end

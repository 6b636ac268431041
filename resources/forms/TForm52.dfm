object Form52: TForm52
  BorderStyle = bsNone
  Caption = 'Relat'#243'rio da partida'
  ClientWidth = 823
  ClientHeight = 602
  Color = clBlack
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnCreate = FormCreate
  object Shape2: TShape
    Left = 482
    Top = 170
    Width = 328
    Height = 382
    Brush.Color = $00202020
    Pen.Style = psClear
  end
  object info1: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    Font.Height = -13
    Font.Color = clWhite
    Left = 317
    Top = 482
    Width = 156
    Height = 50
  end
  object sh1: TShape
    Left = 482
    Top = 6
    Width = 328
    Height = 76
    Brush.Style = bsClear
    Pen.Style = psSolid
    Pen.Color = clBlack
    Pen.Width = 3
  end
  object sh2: TShape
    Left = 482
    Top = 86
    Width = 328
    Height = 76
    Brush.Style = bsClear
    Pen.Style = psSolid
    Pen.Color = clBlack
    Pen.Width = 3
  end
  object bck1: TShape
    Left = 486
    Top = 10
    Width = 320
    Height = 68
    Brush.Color = $00204020
    Pen.Style = psClear
    Cursor = crHandPoint
    OnClick = nometime1Click
  end
  object bck2: TShape
    Left = 486
    Top = 90
    Width = 320
    Height = 68
    Brush.Color = $00204020
    Pen.Style = psClear
    Cursor = crHandPoint
    OnClick = nometime2Click
  end
  object esc1: TImage
    Left = 490
    Top = 14
    Width = 60
    Height = 60
    Stretch = True
    Center = True
    Cursor = crHandPoint
    OnClick = nometime1Click
  end
  object esc2: TImage
    Left = 490
    Top = 94
    Width = 60
    Height = 60
    Stretch = True
    Center = True
    Cursor = crHandPoint
    OnClick = nometime2Click
  end
  object nometime_s1: TLabel
    Left = 559
    Top = 35
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clBlack
  end
  object nometime1: TLabel
    Left = 558
    Top = 34
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clWhite
    Cursor = crHandPoint
    OnClick = nometime1Click
  end
  object nometime_s2: TLabel
    Left = 559
    Top = 115
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clBlack
  end
  object nometime2: TLabel
    Left = 558
    Top = 114
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clWhite
    Cursor = crHandPoint
    OnClick = nometime2Click
  end
  object p1: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    Font.Height = -21
    Font.Color = clWhite
    Left = 762
    Top = 28
    Width = 40
    Height = 30
  end
  object p2: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    Font.Height = -21
    Font.Color = clWhite
    Left = 762
    Top = 108
    Width = 40
    Height = 30
  end
  object lb_estadio: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Left = 486
    Top = 176
    Width = 320
    Height = 18
  end
  object lb_renda: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Left = 486
    Top = 196
    Width = 320
    Height = 18
  end
  object lb_pub: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Left = 486
    Top = 216
    Width = 320
    Height = 18
    ShowHint = True
  end
  object RichLabel1: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Left = 486
    Top = 238
    Width = 120
    Height = 18
    Cursor = crHandPoint
    OnClick = RichLabel1Click
  end
  object teste: TDcSmoothPanel
    Left = 486
    Top = 260
    Width = 320
    Height = 288
    Fill.Color = clNone
    Fill.ColorTo = clNone
    Fill.BorderColor = clNone
    Caption.Line = False
    Caption.HTMLLocation = plCustom
    Caption.HTMLFont.Name = 'Arial'
    Caption.HTMLFont.Height = -11
    Caption.HTMLFont.Color = clWhite
    Caption.HTMLShadowColor = clBlack
    Caption.HTMLShadowOffset = 1
  end
  object lb_tat1: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Font.Color = clWhite
    Left = 317
    Top = 534
    Width = 156
    Height = 16
  end
  object lb_tat2: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Font.Color = clWhite
    Left = 317
    Top = 551
    Width = 156
    Height = 16
  end
  object lb_tat3: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Font.Color = clWhite
    Left = 317
    Top = 568
    Width = 156
    Height = 16
  end
  object dlg_st: TDcSmoothMessageDialog
    HTMLText.ShadowColor = clBlack
    HTMLText.ShadowOffset = 1
    Caption = 'Estatísticas'
    Margin = 20
    Position = poOwnerFormCenter
  end
  object bt_irprojogo: TDcGlowButton
    Left = 660
    Top = 558
    Width = 148
    Height = 38
    Caption = 'Fechar >>'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = 3223857
    ParentFont = False
    Position = bpLeft
    OnClick = bt_irprojogoClick
  end
end

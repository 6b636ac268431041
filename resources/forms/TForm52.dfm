object Form52: TForm52
  BorderStyle = bsDialog
  Caption = 'Relat'#243'rio da partida'
  ClientWidth = 800
  ClientHeight = 600
  Color = clBlack
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnCreate = FormCreate
  object Shape2: TShape
    Left = 424
    Top = 186
    Width = 368
    Height = 362
    Brush.Color = $00202020
    Pen.Style = psClear
  end
  object Shape3: TShape
    Left = 10
    Top = 562
    Width = 390
    Height = 26
    Brush.Color = $00202020
    Pen.Style = psClear
  end
  object Shape4: TShape
    Left = 10
    Top = 4
    Width = 390
    Height = 28
    Brush.Color = $00202020
    Pen.Style = psClear
  end
  object info1: TRichLabel
    Left = 10
    Top = 8
    Width = 390
    Height = 22
  end
  object sh1: TShape
    Left = 424
    Top = 36
    Width = 368
    Height = 72
    Brush.Style = bsClear
    Pen.Style = psSolid
    Pen.Color = clBlack
    Pen.Width = 3
  end
  object sh2: TShape
    Left = 424
    Top = 112
    Width = 368
    Height = 72
    Brush.Style = bsClear
    Pen.Style = psSolid
    Pen.Color = clBlack
    Pen.Width = 3
  end
  object bck1: TShape
    Left = 428
    Top = 40
    Width = 360
    Height = 64
    Brush.Color = $00204020
    Pen.Style = psClear
    Cursor = crHandPoint
    OnClick = nometime1Click
  end
  object bck2: TShape
    Left = 428
    Top = 116
    Width = 360
    Height = 64
    Brush.Color = $00204020
    Pen.Style = psClear
    Cursor = crHandPoint
    OnClick = nometime2Click
  end
  object esc1: TImage
    Left = 434
    Top = 42
    Width = 60
    Height = 60
    Stretch = True
    Center = True
    Cursor = crHandPoint
    OnClick = nometime1Click
  end
  object esc2: TImage
    Left = 434
    Top = 118
    Width = 60
    Height = 60
    Stretch = True
    Center = True
    Cursor = crHandPoint
    OnClick = nometime2Click
  end
  object nometime1: TLabel
    Left = 502
    Top = 62
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clWhite
    Cursor = crHandPoint
    OnClick = nometime1Click
  end
  object nometime2: TLabel
    Left = 502
    Top = 138
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
    Left = 744
    Top = 56
    Width = 40
    Height = 30
  end
  object p2: TRichLabel
    Left = 744
    Top = 132
    Width = 40
    Height = 30
  end
  object lb_estadio: TRichLabel
    Left = 428
    Top = 192
    Width = 360
    Height = 18
  end
  object lb_renda: TRichLabel
    Left = 428
    Top = 212
    Width = 360
    Height = 18
  end
  object lb_pub: TRichLabel
    Left = 428
    Top = 232
    Width = 360
    Height = 18
  end
  object RichLabel1: TRichLabel
    Left = 428
    Top = 254
    Width = 120
    Height = 18
    Cursor = crHandPoint
    OnClick = RichLabel1Click
  end
  object teste: TRichLabel
    Left = 428
    Top = 276
    Width = 360
    Height = 268
  end
  object lb_tat1: TRichLabel
    Left = 10
    Top = 566
    Width = 130
    Height = 18
  end
  object lb_tat2: TRichLabel
    Left = 140
    Top = 566
    Width = 130
    Height = 18
  end
  object lb_tat3: TRichLabel
    Left = 270
    Top = 566
    Width = 130
    Height = 18
  end
  object dlg_fundo: TShape
    Left = 460
    Top = 300
    Width = 300
    Height = 150
    Brush.Color = $00303030
    Pen.Style = psSolid
    Pen.Color = clSilver
    Visible = False
  end
  object dlg_st: TRichLabel
    Left = 470
    Top = 310
    Width = 280
    Height = 100
    Visible = False
  end
  object btok: TGradButton
    Left = 570
    Top = 412
    Width = 80
    Height = 28
    Caption = 'Ok'
    Visible = False
    ColorScheme = csNeoSilver
    OnClick = btokClick
  end
  object bt_irprojogo: TGradButton
    Left = 640
    Top = 556
    Width = 148
    Height = 34
    Caption = 'Fechar >>'
    ColorScheme = csNeoSky
    OnClick = bt_irprojogoClick
  end
end

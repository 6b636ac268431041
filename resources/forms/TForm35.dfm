object Form35: TForm35
  Caption = 'Tabela da Copa'
  ClientWidth = 800
  ClientHeight = 600
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 160
    Top = 8
    Width = 480
    Height = 26
    AutoSize = False
    Caption = 'Tabela da Copa'
    Font.Name = 'Tahoma'
    Font.Height = -19
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object j1t1: TLabel
    Left = 24
    Top = 66
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j1t2: TLabel
    Left = 24
    Top = 80
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl1: TLabel
    Left = 173
    Top = 73
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln1: TShape
    Left = 259
    Top = 80
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j2t1: TLabel
    Left = 24
    Top = 98
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j2t2: TLabel
    Left = 24
    Top = 112
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl2: TLabel
    Left = 173
    Top = 105
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln2: TShape
    Left = 259
    Top = 112
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j3t1: TLabel
    Left = 24
    Top = 130
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j3t2: TLabel
    Left = 24
    Top = 144
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl3: TLabel
    Left = 173
    Top = 137
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln3: TShape
    Left = 259
    Top = 144
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j4t1: TLabel
    Left = 24
    Top = 162
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j4t2: TLabel
    Left = 24
    Top = 176
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl4: TLabel
    Left = 173
    Top = 169
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln4: TShape
    Left = 259
    Top = 176
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j5t1: TLabel
    Left = 24
    Top = 194
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j5t2: TLabel
    Left = 24
    Top = 208
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl5: TLabel
    Left = 173
    Top = 201
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln5: TShape
    Left = 259
    Top = 208
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j6t1: TLabel
    Left = 24
    Top = 226
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j6t2: TLabel
    Left = 24
    Top = 240
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl6: TLabel
    Left = 173
    Top = 233
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln6: TShape
    Left = 259
    Top = 240
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j7t1: TLabel
    Left = 24
    Top = 258
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j7t2: TLabel
    Left = 24
    Top = 272
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl7: TLabel
    Left = 173
    Top = 265
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln7: TShape
    Left = 259
    Top = 272
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j8t1: TLabel
    Left = 24
    Top = 290
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j8t2: TLabel
    Left = 24
    Top = 304
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl8: TLabel
    Left = 173
    Top = 297
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln8: TShape
    Left = 259
    Top = 304
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j9t1: TLabel
    Left = 24
    Top = 322
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j9t2: TLabel
    Left = 24
    Top = 336
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl9: TLabel
    Left = 173
    Top = 329
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln9: TShape
    Left = 259
    Top = 336
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j10t1: TLabel
    Left = 24
    Top = 354
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j10t2: TLabel
    Left = 24
    Top = 368
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl10: TLabel
    Left = 173
    Top = 361
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln10: TShape
    Left = 259
    Top = 368
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j11t1: TLabel
    Left = 24
    Top = 386
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j11t2: TLabel
    Left = 24
    Top = 400
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl11: TLabel
    Left = 173
    Top = 393
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln11: TShape
    Left = 259
    Top = 400
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j12t1: TLabel
    Left = 24
    Top = 418
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j12t2: TLabel
    Left = 24
    Top = 432
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl12: TLabel
    Left = 173
    Top = 425
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln12: TShape
    Left = 259
    Top = 432
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j13t1: TLabel
    Left = 24
    Top = 450
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j13t2: TLabel
    Left = 24
    Top = 464
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl13: TLabel
    Left = 173
    Top = 457
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln13: TShape
    Left = 259
    Top = 464
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j14t1: TLabel
    Left = 24
    Top = 482
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j14t2: TLabel
    Left = 24
    Top = 496
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl14: TLabel
    Left = 173
    Top = 489
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln14: TShape
    Left = 259
    Top = 496
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j15t1: TLabel
    Left = 24
    Top = 514
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j15t2: TLabel
    Left = 24
    Top = 528
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl15: TLabel
    Left = 173
    Top = 521
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln15: TShape
    Left = 259
    Top = 528
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j16t1: TLabel
    Left = 24
    Top = 546
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j16t2: TLabel
    Left = 24
    Top = 560
    Width = 148
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl16: TLabel
    Left = 173
    Top = 553
    Width = 86
    Height = 14
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Layout = tlCenter
    Transparent = True
  end
  object ln16: TShape
    Left = 259
    Top = 560
    Width = 3
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j17t1: TLabel
    Left = 262
    Top = 82
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j17t2: TLabel
    Left = 262
    Top = 96
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl17: TLabel
    Left = 262
    Top = 110
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln17: TShape
    Left = 383
    Top = 96
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j18t1: TLabel
    Left = 262
    Top = 146
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j18t2: TLabel
    Left = 262
    Top = 160
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl18: TLabel
    Left = 262
    Top = 174
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln18: TShape
    Left = 383
    Top = 160
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j19t1: TLabel
    Left = 262
    Top = 210
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j19t2: TLabel
    Left = 262
    Top = 224
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl19: TLabel
    Left = 262
    Top = 238
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln19: TShape
    Left = 383
    Top = 224
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j20t1: TLabel
    Left = 262
    Top = 274
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j20t2: TLabel
    Left = 262
    Top = 288
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl20: TLabel
    Left = 262
    Top = 302
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln20: TShape
    Left = 383
    Top = 288
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j21t1: TLabel
    Left = 262
    Top = 338
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j21t2: TLabel
    Left = 262
    Top = 352
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl21: TLabel
    Left = 262
    Top = 366
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln21: TShape
    Left = 383
    Top = 352
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j22t1: TLabel
    Left = 262
    Top = 402
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j22t2: TLabel
    Left = 262
    Top = 416
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl22: TLabel
    Left = 262
    Top = 430
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln22: TShape
    Left = 383
    Top = 416
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j23t1: TLabel
    Left = 262
    Top = 466
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j23t2: TLabel
    Left = 262
    Top = 480
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl23: TLabel
    Left = 262
    Top = 494
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln23: TShape
    Left = 383
    Top = 480
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j24t1: TLabel
    Left = 262
    Top = 530
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j24t2: TLabel
    Left = 262
    Top = 544
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl24: TLabel
    Left = 262
    Top = 558
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln24: TShape
    Left = 383
    Top = 544
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j25t1: TLabel
    Left = 400
    Top = 114
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j25t2: TLabel
    Left = 400
    Top = 128
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl25: TLabel
    Left = 400
    Top = 142
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln25: TShape
    Left = 521
    Top = 128
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j26t1: TLabel
    Left = 400
    Top = 242
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j26t2: TLabel
    Left = 400
    Top = 256
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl26: TLabel
    Left = 400
    Top = 270
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln26: TShape
    Left = 521
    Top = 256
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j27t1: TLabel
    Left = 400
    Top = 370
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j27t2: TLabel
    Left = 400
    Top = 384
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl27: TLabel
    Left = 400
    Top = 398
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln27: TShape
    Left = 521
    Top = 384
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j28t1: TLabel
    Left = 400
    Top = 498
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j28t2: TLabel
    Left = 400
    Top = 512
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl28: TLabel
    Left = 400
    Top = 526
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln28: TShape
    Left = 521
    Top = 512
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j29t1: TLabel
    Left = 538
    Top = 178
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j29t2: TLabel
    Left = 538
    Top = 192
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl29: TLabel
    Left = 538
    Top = 206
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln29: TShape
    Left = 659
    Top = 192
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j30t1: TLabel
    Left = 538
    Top = 434
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j30t2: TLabel
    Left = 538
    Top = 448
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl30: TLabel
    Left = 538
    Top = 462
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object ln30: TShape
    Left = 659
    Top = 448
    Width = 16
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j31t1: TLabel
    Left = 676
    Top = 306
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j31t2: TLabel
    Left = 676
    Top = 320
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl31: TLabel
    Left = 676
    Top = 334
    Width = 120
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -10
    Font.Style = [fsBold]
    Font.Color = clNavy
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object img1: TImage
    Left = 4
    Top = 64
    Width = 18
    Height = 18
    Center = True
  end
  object img2: TImage
    Left = 4
    Top = 78
    Width = 18
    Height = 18
    Center = True
  end
  object img3: TImage
    Left = 4
    Top = 96
    Width = 18
    Height = 18
    Center = True
  end
  object img4: TImage
    Left = 4
    Top = 110
    Width = 18
    Height = 18
    Center = True
  end
  object img5: TImage
    Left = 4
    Top = 128
    Width = 18
    Height = 18
    Center = True
  end
  object img6: TImage
    Left = 4
    Top = 142
    Width = 18
    Height = 18
    Center = True
  end
  object img7: TImage
    Left = 4
    Top = 160
    Width = 18
    Height = 18
    Center = True
  end
  object img8: TImage
    Left = 4
    Top = 174
    Width = 18
    Height = 18
    Center = True
  end
  object img9: TImage
    Left = 4
    Top = 192
    Width = 18
    Height = 18
    Center = True
  end
  object img10: TImage
    Left = 4
    Top = 206
    Width = 18
    Height = 18
    Center = True
  end
  object img11: TImage
    Left = 4
    Top = 224
    Width = 18
    Height = 18
    Center = True
  end
  object img12: TImage
    Left = 4
    Top = 238
    Width = 18
    Height = 18
    Center = True
  end
  object img13: TImage
    Left = 4
    Top = 256
    Width = 18
    Height = 18
    Center = True
  end
  object img14: TImage
    Left = 4
    Top = 270
    Width = 18
    Height = 18
    Center = True
  end
  object img15: TImage
    Left = 4
    Top = 288
    Width = 18
    Height = 18
    Center = True
  end
  object img16: TImage
    Left = 4
    Top = 302
    Width = 18
    Height = 18
    Center = True
  end
  object img17: TImage
    Left = 4
    Top = 320
    Width = 18
    Height = 18
    Center = True
  end
  object img18: TImage
    Left = 4
    Top = 334
    Width = 18
    Height = 18
    Center = True
  end
  object img19: TImage
    Left = 4
    Top = 352
    Width = 18
    Height = 18
    Center = True
  end
  object img20: TImage
    Left = 4
    Top = 366
    Width = 18
    Height = 18
    Center = True
  end
  object img21: TImage
    Left = 4
    Top = 384
    Width = 18
    Height = 18
    Center = True
  end
  object img22: TImage
    Left = 4
    Top = 398
    Width = 18
    Height = 18
    Center = True
  end
  object img23: TImage
    Left = 4
    Top = 416
    Width = 18
    Height = 18
    Center = True
  end
  object img24: TImage
    Left = 4
    Top = 430
    Width = 18
    Height = 18
    Center = True
  end
  object img25: TImage
    Left = 4
    Top = 448
    Width = 18
    Height = 18
    Center = True
  end
  object img26: TImage
    Left = 4
    Top = 462
    Width = 18
    Height = 18
    Center = True
  end
  object img27: TImage
    Left = 4
    Top = 480
    Width = 18
    Height = 18
    Center = True
  end
  object img28: TImage
    Left = 4
    Top = 494
    Width = 18
    Height = 18
    Center = True
  end
  object img29: TImage
    Left = 4
    Top = 512
    Width = 18
    Height = 18
    Center = True
  end
  object img30: TImage
    Left = 4
    Top = 526
    Width = 18
    Height = 18
    Center = True
  end
  object img31: TImage
    Left = 4
    Top = 544
    Width = 18
    Height = 18
    Center = True
  end
  object img32: TImage
    Left = 4
    Top = 558
    Width = 18
    Height = 18
    Center = True
  end
  object combopais: TComboBoxEx
    Left = 8
    Top = 10
    Width = 150
    Height = 22
    Style = csDropDownList
    OnChange = combopaisChange
  end
  object flags: TImageList
    Width = 20
    Height = 14
  end
  object Label61: TLabel
    Left = 676
    Top = 360
    Width = 120
    Height = 16
    AutoSize = False
    Caption = 'campeão'
    Font.Name = 'Tahoma'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object Label62: TLabel
    Left = 676
    Top = 378
    Width = 120
    Height = 20
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -12
    Font.Style = [fsBold]
    Alignment = taCenter
    Layout = tlCenter
    Color = clSilver
  end
  object GradButton1: TGradButton
    Left = 748
    Top = 6
    Width = 44
    Height = 28
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = GradButton1Click
  end
end

object Form69: TForm69
  Caption = 'Chaveamento da copa continental'
  ClientWidth = 800
  ClientHeight = 600
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 200
    Top = 10
    Width = 400
    Height = 26
    AutoSize = False
    Caption = 'Libertadores - 2ª Fase'
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
    Top = 76
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j1t2: TLabel
    Left = 24
    Top = 90
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl1: TLabel
    Left = 24
    Top = 104
    Width = 150
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
  object ln1: TShape
    Left = 175
    Top = 90
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j2t1: TLabel
    Left = 24
    Top = 140
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j2t2: TLabel
    Left = 24
    Top = 154
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl2: TLabel
    Left = 24
    Top = 168
    Width = 150
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
  object ln2: TShape
    Left = 175
    Top = 154
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j3t1: TLabel
    Left = 24
    Top = 204
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j3t2: TLabel
    Left = 24
    Top = 218
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl3: TLabel
    Left = 24
    Top = 232
    Width = 150
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
  object ln3: TShape
    Left = 175
    Top = 218
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j4t1: TLabel
    Left = 24
    Top = 268
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j4t2: TLabel
    Left = 24
    Top = 282
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl4: TLabel
    Left = 24
    Top = 296
    Width = 150
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
  object ln4: TShape
    Left = 175
    Top = 282
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j5t1: TLabel
    Left = 24
    Top = 332
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j5t2: TLabel
    Left = 24
    Top = 346
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl5: TLabel
    Left = 24
    Top = 360
    Width = 150
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
  object ln5: TShape
    Left = 175
    Top = 346
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j6t1: TLabel
    Left = 24
    Top = 396
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j6t2: TLabel
    Left = 24
    Top = 410
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl6: TLabel
    Left = 24
    Top = 424
    Width = 150
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
  object ln6: TShape
    Left = 175
    Top = 410
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j7t1: TLabel
    Left = 24
    Top = 460
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j7t2: TLabel
    Left = 24
    Top = 474
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl7: TLabel
    Left = 24
    Top = 488
    Width = 150
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
  object ln7: TShape
    Left = 175
    Top = 474
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j8t1: TLabel
    Left = 24
    Top = 524
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j8t2: TLabel
    Left = 24
    Top = 538
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl8: TLabel
    Left = 24
    Top = 552
    Width = 150
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
  object ln8: TShape
    Left = 175
    Top = 538
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j9t1: TLabel
    Left = 214
    Top = 108
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j9t2: TLabel
    Left = 214
    Top = 122
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl9: TLabel
    Left = 214
    Top = 136
    Width = 150
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
  object ln9: TShape
    Left = 365
    Top = 122
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j10t1: TLabel
    Left = 214
    Top = 236
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j10t2: TLabel
    Left = 214
    Top = 250
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl10: TLabel
    Left = 214
    Top = 264
    Width = 150
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
  object ln10: TShape
    Left = 365
    Top = 250
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j11t1: TLabel
    Left = 214
    Top = 364
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j11t2: TLabel
    Left = 214
    Top = 378
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl11: TLabel
    Left = 214
    Top = 392
    Width = 150
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
  object ln11: TShape
    Left = 365
    Top = 378
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j12t1: TLabel
    Left = 214
    Top = 492
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j12t2: TLabel
    Left = 214
    Top = 506
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl12: TLabel
    Left = 214
    Top = 520
    Width = 150
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
  object ln12: TShape
    Left = 365
    Top = 506
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j13t1: TLabel
    Left = 404
    Top = 172
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j13t2: TLabel
    Left = 404
    Top = 186
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl13: TLabel
    Left = 404
    Top = 200
    Width = 150
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
  object ln13: TShape
    Left = 555
    Top = 186
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j14t1: TLabel
    Left = 404
    Top = 428
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j14t2: TLabel
    Left = 404
    Top = 442
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl14: TLabel
    Left = 404
    Top = 456
    Width = 150
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
  object ln14: TShape
    Left = 555
    Top = 442
    Width = 34
    Height = 1
    Brush.Color = clWhite
    Pen.Color = clWhite
  end
  object j15t1: TLabel
    Left = 594
    Top = 300
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object j15t2: TLabel
    Left = 594
    Top = 314
    Width = 150
    Height = 13
    AutoSize = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Layout = tlCenter
    Color = clSilver
  end
  object pl15: TLabel
    Left = 594
    Top = 328
    Width = 150
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
    Top = 74
    Width = 18
    Height = 18
    Center = True
  end
  object img2: TImage
    Left = 4
    Top = 88
    Width = 18
    Height = 18
    Center = True
  end
  object img3: TImage
    Left = 4
    Top = 138
    Width = 18
    Height = 18
    Center = True
  end
  object img4: TImage
    Left = 4
    Top = 152
    Width = 18
    Height = 18
    Center = True
  end
  object img5: TImage
    Left = 4
    Top = 202
    Width = 18
    Height = 18
    Center = True
  end
  object img6: TImage
    Left = 4
    Top = 216
    Width = 18
    Height = 18
    Center = True
  end
  object img7: TImage
    Left = 4
    Top = 266
    Width = 18
    Height = 18
    Center = True
  end
  object img8: TImage
    Left = 4
    Top = 280
    Width = 18
    Height = 18
    Center = True
  end
  object img9: TImage
    Left = 4
    Top = 330
    Width = 18
    Height = 18
    Center = True
  end
  object img10: TImage
    Left = 4
    Top = 344
    Width = 18
    Height = 18
    Center = True
  end
  object img11: TImage
    Left = 4
    Top = 394
    Width = 18
    Height = 18
    Center = True
  end
  object img12: TImage
    Left = 4
    Top = 408
    Width = 18
    Height = 18
    Center = True
  end
  object img13: TImage
    Left = 4
    Top = 458
    Width = 18
    Height = 18
    Center = True
  end
  object img14: TImage
    Left = 4
    Top = 472
    Width = 18
    Height = 18
    Center = True
  end
  object img15: TImage
    Left = 4
    Top = 522
    Width = 18
    Height = 18
    Center = True
  end
  object img16: TImage
    Left = 4
    Top = 536
    Width = 18
    Height = 18
    Center = True
  end
  object combo1: TComboBox
    Left = 8
    Top = 12
    Width = 170
    Height = 22
    Style = csDropDownList
    OnChange = combo1Change
  end
  object Label61: TLabel
    Left = 594
    Top = 360
    Width = 150
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
    Left = 594
    Top = 378
    Width = 150
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
    Top = 8
    Width = 44
    Height = 28
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = GradButton1Click
  end
end

object Form88: TForm88
  BorderStyle = bsDialog
  Caption = 'Gerenciar o time durante a partida'
  ClientWidth = 800
  ClientHeight = 600
  Color = clBlack
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 465
    Height = 600
    BevelOuter = bvNone
    Color = clGreen
    object Image1: TImage
      Left = 0
      Top = 0
      Width = 465
      Height = 600
    end
    object Image3: TImage
      Left = 0
      Top = 0
      Width = 465
      Height = 600
      Transparent = True
      Visible = False
      OnDragOver = Image1DragOver
      OnDragDrop = Image1DragDrop
    end
  end
  object Shape2: TShape
    Left = 470
    Top = 4
    Width = 326
    Height = 142
    Brush.Color = $00202020
    Pen.Style = psClear
  end
  object bck1: TShape
    Left = 474
    Top = 8
    Width = 240
    Height = 44
    Brush.Color = $00204020
    Pen.Style = psClear
    Cursor = crHandPoint
    OnClick = nometime1Click
  end
  object bck2: TShape
    Left = 474
    Top = 56
    Width = 240
    Height = 44
    Brush.Color = $00204020
    Pen.Style = psClear
    Cursor = crHandPoint
    OnClick = nometime2Click
  end
  object sh1: TShape
    Left = 474
    Top = 8
    Width = 4
    Height = 44
    Brush.Color = clYellow
    Pen.Style = psClear
  end
  object sh2: TShape
    Left = 474
    Top = 56
    Width = 4
    Height = 44
    Brush.Color = clYellow
    Pen.Style = psClear
  end
  object esc1: TImage
    Left = 482
    Top = 11
    Width = 38
    Height = 38
    Stretch = True
    Center = True
    Cursor = crHandPoint
    OnClick = nometime1Click
  end
  object esc2: TImage
    Left = 482
    Top = 59
    Width = 38
    Height = 38
    Stretch = True
    Center = True
    Cursor = crHandPoint
    OnClick = nometime2Click
  end
  object nometime1: TLabel
    Left = 526
    Top = 12
    Width = 186
    Height = 18
    AutoSize = False
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clWhite
    Cursor = crHandPoint
    OnClick = nometime1Click
  end
  object nometime2: TLabel
    Left = 526
    Top = 60
    Width = 186
    Height = 18
    AutoSize = False
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clWhite
    Cursor = crHandPoint
    OnClick = nometime2Click
  end
  object lbtec1: TLabel
    Left = 526
    Top = 32
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clSilver
  end
  object lbtec2: TLabel
    Left = 526
    Top = 80
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clSilver
  end
  object lbplacar: TLabel
    Left = 718
    Top = 22
    Width = 74
    Height = 30
    AutoSize = False
    Alignment = taCenter
    Transparent = True
    Caption = '0 x 0'
    Font.Name = 'Arial'
    Font.Height = -22
    Font.Style = [fsBold]
    Font.Color = clYellow
  end
  object lbtempo: TLabel
    Left = 718
    Top = 60
    Width = 74
    Height = 18
    AutoSize = False
    Alignment = taCenter
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clWhite
  end
  object lb_estadio: TLabel
    Left = 476
    Top = 104
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = $00C1C1
  end
  object lb_pub: TLabel
    Left = 476
    Top = 118
    ShowHint = True
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = $00C1C1
  end
  object lb_renda: TLabel
    Left = 680
    Top = 118
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = $00C1C1
  end
  object lb_jogo1: TLabel
    Left = 476
    Top = 132
    Width = 314
    Height = 14
    AutoSize = False
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clSilver
  end
  object Shape4: TShape
    Left = 470
    Top = 150
    Width = 326
    Height = 446
    Brush.Color = $00202020
    Pen.Style = psClear
  end
  object info1: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Left = 476
    Top = 156
    Width = 314
    Height = 20
  end
  object Label5: TLabel
    Left = 476
    Top = 180
    Transparent = True
    Caption = 'T'#225'tica:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clWhite
  end
  object comboej: TDcComboBox
    Left = 476
    Top = 198
    Width = 200
    Height = 22
    Style = csDropDownList
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Items.Strings = (
      'Jogo equilibrado'
      'Ataque total'
      'Contra-ataque (retranca)')
    OnChange = comboejChange
  end
  object combomarc: TDcComboBox
    Left = 476
    Top = 224
    Width = 200
    Height = 22
    Style = csDropDownList
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Items.Strings = (
      'Leve'
      'Pesada'
      'Muito pesada')
    OnChange = combomarcChange
  end
  object combo_cataq: TDcComboBox
    Left = 476
    Top = 250
    Width = 200
    Height = 22
    Style = csDropDownList
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Items.Strings = (
      'Pelo meio'
      'Pelas laterais')
    OnChange = combo_cataqChange
  end
  object lb_tat1: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Left = 476
    Top = 200
    Width = 200
    Height = 18
  end
  object lb_tat2: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Left = 476
    Top = 226
    Width = 200
    Height = 18
  end
  object lb_tat3: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Left = 476
    Top = 252
    Width = 200
    Height = 18
  end
  object RichLabel1: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Left = 690
    Top = 200
    Width = 100
    Height = 18
    Cursor = crHandPoint
    OnClick = RichLabel1Click
  end
  object events: TRichLabel
    ShadowColor = clBlack
    ShadowOffset = 1
    Left = 476
    Top = 282
    Width = 314
    Height = 250
  end
  object dlg_st: TDcSmoothMessageDialog
    HTMLText.ShadowColor = clBlack
    HTMLText.ShadowOffset = 1
    Caption = 'Estatísticas'
    Margin = 20
    Position = poOwnerFormCenter
  end
  object dlg_info1: TDcSmoothMessageDialog
    HTMLText.ShadowColor = clBlack
    HTMLText.ShadowOffset = 1
    Caption = 'Substituições'
    Margin = 20
    Position = poOwnerFormCenter
    HTMLText.Text = '<P align="center"><FONT face="Arial Black" size="10" color="#FFFFFF"><shad>Já foram realizadas o número limite de substituições.</shad></FONT></P>'
  end
  object bt_irprojogo: TDcGlowButton
    Left = 606
    Top = 552
    Width = 184
    Height = 38
    Caption = 'Voltar ao jogo >>'
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

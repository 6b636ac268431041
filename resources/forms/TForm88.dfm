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
  object Shape2: TShape
    Left = 8
    Top = 8
    Width = 784
    Height = 120
    Brush.Color = $00202020
    Pen.Style = psClear
  end
  object bck1: TShape
    Left = 16
    Top = 16
    Width = 300
    Height = 56
    Brush.Color = $00204020
    Pen.Style = psClear
    Cursor = crHandPoint
    OnClick = nometime1Click
  end
  object bck2: TShape
    Left = 484
    Top = 16
    Width = 300
    Height = 56
    Brush.Color = $00204020
    Pen.Style = psClear
    Cursor = crHandPoint
    OnClick = nometime2Click
  end
  object sh1: TShape
    Left = 16
    Top = 74
    Width = 300
    Height = 4
    Brush.Color = clYellow
    Pen.Style = psClear
  end
  object sh2: TShape
    Left = 484
    Top = 74
    Width = 300
    Height = 4
    Brush.Color = clYellow
    Pen.Style = psClear
  end
  object esc1: TImage
    Left = 20
    Top = 18
    Width = 52
    Height = 52
    Stretch = True
    Center = True
    Cursor = crHandPoint
    OnClick = nometime1Click
  end
  object esc2: TImage
    Left = 728
    Top = 18
    Width = 52
    Height = 52
    Stretch = True
    Center = True
    Cursor = crHandPoint
    OnClick = nometime2Click
  end
  object nometime1: TLabel
    Left = 80
    Top = 24
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
    Left = 496
    Top = 24
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clWhite
    Cursor = crHandPoint
    OnClick = nometime2Click
  end
  object lbtec1: TLabel
    Left = 80
    Top = 48
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clSilver
  end
  object lbtec2: TLabel
    Left = 496
    Top = 48
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clSilver
  end
  object lbplacar: TLabel
    Left = 360
    Top = 18
    Transparent = True
    Caption = '0 x 0'
    Font.Name = 'Arial'
    Font.Height = -26
    Font.Style = [fsBold]
    Font.Color = clYellow
  end
  object lbtempo: TLabel
    Left = 370
    Top = 54
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clWhite
  end
  object lb_estadio: TLabel
    Left = 16
    Top = 86
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = $00C1C1
  end
  object lb_pub: TLabel
    Left = 16
    Top = 104
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = $00C1C1
  end
  object lb_renda: TLabel
    Left = 300
    Top = 104
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = $00C1C1
  end
  object lb_jogo1: TLabel
    Left = 484
    Top = 86
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clSilver
  end
  object Shape3: TShape
    Left = 8
    Top = 136
    Width = 440
    Height = 456
    Brush.Color = $00202020
    Pen.Style = psClear
  end
  object info1: TRichLabel
    Left = 16
    Top = 142
    Width = 420
    Height = 20
  end
  object Label3: TLabel
    Left = 16
    Top = 166
    Transparent = True
    Caption = 'Em campo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clWhite
  end
  object l_campo: TListView
    Left = 16
    Top = 184
    Width = 424
    Height = 230
    ViewStyle = vsReport
    RowSelect = True
    ReadOnly = True
    HideSelection = False
    Columns = <
      item
        Caption = 'P'
        Width = 26
      end
      item
        Caption = 'Jogador'
        Width = 150
      end
      item
        Caption = 'F'
        Width = 34
      end
      item
        Caption = 'Energia'
        Width = 56
      end
      item
        Caption = 'id'
        Width = 0
      end>
  end
  object Label4: TLabel
    Left = 16
    Top = 420
    Transparent = True
    Caption = 'Reservas:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clWhite
  end
  object l_reservas: TListView
    Left = 16
    Top = 438
    Width = 424
    Height = 112
    ViewStyle = vsReport
    RowSelect = True
    ReadOnly = True
    HideSelection = False
    Columns = <
      item
        Caption = 'P'
        Width = 26
      end
      item
        Caption = 'Jogador'
        Width = 150
      end
      item
        Caption = 'F'
        Width = 34
      end
      item
        Caption = 'Energia'
        Width = 56
      end
      item
        Caption = 'id'
        Width = 0
      end>
  end
  object bt_substituir: TGradButton
    Left = 16
    Top = 556
    Width = 140
    Height = 30
    Caption = 'Substituir'
    ColorScheme = csNeoSky
    OnClick = bt_substituirClick
  end
  object bt_trocar: TGradButton
    Left = 164
    Top = 556
    Width = 140
    Height = 30
    Caption = 'Trocar posi'#231#245'es'
    ColorScheme = csNeoSilver
    OnClick = bt_trocarClick
  end
  object lbaviso: TLabel
    Left = 312
    Top = 552
    Width = 134
    Height = 36
    AutoSize = False
    WordWrap = True
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clRed
    Visible = False
  end
  object Shape4: TShape
    Left = 456
    Top = 136
    Width = 336
    Height = 456
    Brush.Color = $00202020
    Pen.Style = psClear
  end
  object Label5: TLabel
    Left = 464
    Top = 144
    Transparent = True
    Caption = 'T'#225'tica:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clWhite
  end
  object comboej: TComboBox
    Left = 464
    Top = 164
    Width = 200
    Style = csDropDownList
    Items.Strings = (
      'Jogo equilibrado'
      'Ataque total'
      'Contra-ataque (retranca)')
    OnChange = comboejChange
  end
  object combomarc: TComboBox
    Left = 464
    Top = 192
    Width = 200
    Style = csDropDownList
    Items.Strings = (
      'Leve'
      'Pesada'
      'Muito pesada')
    OnChange = combomarcChange
  end
  object combo_cataq: TComboBox
    Left = 464
    Top = 220
    Width = 200
    Style = csDropDownList
    Items.Strings = (
      'Pelo meio'
      'Pelas laterais')
    OnChange = combo_cataqChange
  end
  object lb_tat1: TRichLabel
    Left = 464
    Top = 166
    Width = 320
    Height = 18
  end
  object lb_tat2: TRichLabel
    Left = 464
    Top = 194
    Width = 320
    Height = 18
  end
  object lb_tat3: TRichLabel
    Left = 464
    Top = 222
    Width = 320
    Height = 18
  end
  object RichLabel1: TRichLabel
    Left = 680
    Top = 166
    Width = 100
    Height = 18
    Cursor = crHandPoint
    OnClick = RichLabel1Click
  end
  object events: TRichLabel
    Left = 464
    Top = 252
    Width = 320
    Height = 250
  end
  object dlg_st: TRichLabel
    Left = 464
    Top = 252
    Width = 320
    Height = 110
    Visible = False
  end
  object bt_irprojogo: TGradButton
    Left = 600
    Top = 552
    Width = 184
    Height = 30
    Caption = 'Voltar ao jogo >>'
    ColorScheme = csNeoSky
    OnClick = bt_irprojogoClick
  end
end

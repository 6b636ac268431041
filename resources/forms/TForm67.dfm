object Form67: TForm67
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Resultados da rodada'
  ClientWidth = 800
  ClientHeight = 600
  Color = $306A30
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnClose = FormClose
  OnKeyDown = FormKeyDown
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 800
    Height = 600
    BevelOuter = bvNone
    ParentBackground = True
    object lcamp: TLabel
      Left = 16
      Top = 10
      Caption = 'Resultados'
      Font.Name = 'Arial'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = clNavy
      Transparent = True
    end
    object grid1: TDataGrid
      Left = 10
      Top = 36
      Width = 364
      Height = 468
      AppearanceOptions = [aoHideFocus]
      GridLinesStyle = lsVerticalOnly
      HeaderSize = 20
      Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
      RowSize = 20
      SelectionColor = clGreen
      object colreport: TDgNumberColumn
        Position = 0
        Visible = False
      end
      object colescudo1: TDgImageColumn
        Position = 1
        Width = 22
      end
      object colcasa: TDgTextColumn
        Header.Caption = 'Mandante'
        Position = 2
        Width = 126
        Alignment = taRightJustify
      end
      object colplacar: TDgTextColumn
        Header.Caption = 'Placar'
        Position = 3
        Width = 46
        Alignment = taCenter
        Font.Style = [fsBold]
      end
      object colfora: TDgTextColumn
        Header.Caption = 'Visitante'
        Position = 4
        Width = 126
      end
      object colescudo2: TDgImageColumn
        Position = 5
        Width = 22
      end
    end
    object ImageList1: TImageList
      Width = 18
      Height = 18
    end
    object combo1: TDcComboBox
      Left = 24
      Top = 520
      Width = 240
      Height = 22
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = clBlack
      Style = csDropDownList
      Flat = True
      Visible = False
      OnChange = combo1Change
    end
    object combopais: TDcComboBox
      Left = 24
      Top = 520
      Width = 240
      Height = 22
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = clBlack
      Style = csDropDownList
      Flat = True
      Visible = False
      OnChange = combopaisChange
    end
    object Combolib: TDcComboBox
      Left = 24
      Top = 520
      Width = 240
      Height = 22
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = clBlack
      Style = csDropDownList
      Flat = True
      Visible = False
      OnChange = CombolibChange
    end
    object escudo: TImage
      Left = 384
      Top = 36
      Width = 36
      Height = 36
      Stretch = True
      Proportional = True
      Center = True
    end
    object Label30: TLabel
      Left = 422
      Top = 36
      Width = 140
      Height = 30
      AutoSize = False
      Alignment = taCenter
      WordWrap = True
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = clNavy
      Transparent = True
    end
    object Label5: TLabel
      Left = 562
      Top = 36
      Width = 52
      Height = 20
      AutoSize = False
      Alignment = taCenter
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = clNavy
      Transparent = True
    end
    object Label1: TLabel
      Left = 562
      Top = 58
      Width = 52
      Height = 14
      AutoSize = False
      Alignment = taCenter
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clNavy
      Transparent = True
    end
    object Label31: TLabel
      Left = 614
      Top = 36
      Width = 140
      Height = 30
      AutoSize = False
      Alignment = taCenter
      WordWrap = True
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = clNavy
      Transparent = True
    end
    object escudo2: TImage
      Left = 754
      Top = 36
      Width = 36
      Height = 36
      Stretch = True
      Proportional = True
      Center = True
    end
    object Label70: TLabel
      Left = 384
      Top = 76
      Width = 406
      Height = 14
      AutoSize = False
      Alignment = taCenter
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clBlack
      Transparent = True
    end
    object Label8: TLabel
      Left = 384
      Top = 92
      Width = 200
      Height = 14
      AutoSize = False
      Alignment = taRightJustify
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clBlack
      Transparent = True
    end
    object Label26: TLabel
      Left = 596
      Top = 92
      Width = 194
      Height = 14
      AutoSize = False
      Alignment = taLeftJustify
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clBlack
      Transparent = True
    end
    object lbstat1: TLabel
      Left = 384
      Top = 112
      Width = 120
      Height = 70
      AutoSize = False
      Alignment = taCenter
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Style = [fsBold]
      Font.Color = clNavy
      Transparent = True
    end
    object lbstatnomes: TLabel
      Left = 504
      Top = 112
      Width = 166
      Height = 70
      AutoSize = False
      Alignment = taCenter
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clBlack
      Transparent = True
    end
    object lbstat2: TLabel
      Left = 670
      Top = 112
      Width = 120
      Height = 70
      AutoSize = False
      Alignment = taCenter
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Style = [fsBold]
      Font.Color = clNavy
      Transparent = True
    end
    object lbtat1: TLabel
      Left = 384
      Top = 184
      Width = 170
      Height = 42
      AutoSize = False
      Alignment = taCenter
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clGreen
      Transparent = True
    end
    object lbtat2: TLabel
      Left = 620
      Top = 184
      Width = 170
      Height = 42
      AutoSize = False
      Alignment = taCenter
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clGreen
      Transparent = True
    end
    object escalacao1: TRichLabel
      Left = 384
      Top = 230
      Width = 200
      Height = 230
      Font.Color = clNavy
    end
    object escalacao2: TRichLabel
      Left = 590
      Top = 230
      Width = 200
      Height = 230
      Font.Color = clNavy
    end
    object l_gols: TRichLabel
      Left = 384
      Top = 462
      Width = 406
      Height = 60
      Font.Color = clNavy
    end
    object card1: TRichLabel
      Left = 384
      Top = 524
      Width = 200
      Height = 76
      Font.Color = clNavy
    end
    object card2: TRichLabel
      Left = 590
      Top = 524
      Width = 200
      Height = 76
      Font.Color = clNavy
    end
    object bt2: TGradButton
      Left = 10
      Top = 548
      Width = 200
      Height = 32
      Caption = 'Classificação após a rodada'
      ColorScheme = csNeoSilver
      OnClick = bt2Click
    end
    object bt3: TGradButton
      Left = 224
      Top = 548
      Width = 150
      Height = 32
      Caption = 'Continuar >>'
      ColorScheme = csNeoSky
      OnClick = bt3Click
    end
  end
end

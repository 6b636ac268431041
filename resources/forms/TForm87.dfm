object Form87: TForm87
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Escalação e tática'
  ClientWidth = 800
  ClientHeight = 600
  Color = clBlack
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  Font.Color = clWhite
  OnCreate = FormCreate
  OnClose = FormClose
  OnPaint = FormPaint
  object Gradient1: TGradient
    Left = 0
    Top = 0
    Width = 800
    Height = 600
    Align = alClient
    ColorBegin = clYellow
    ColorEnd = clGray
    Style = gsRadialBR
  end
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
  object Label2: TLabel
    Left = 472
    Top = 6
    Width = 320
    Height = 16
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 8454143
    Transparent = True
  end
  object Panel2: TPanel
    Left = 468
    Top = 26
    Width = 330
    Height = 330
    BevelOuter = bvNone
    object gridview1: TDataGrid
      Left = 0
      Top = 0
      Width = 330
      Height = 330
      Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
      GridLinesStyle = lsVerticalOnly
      HeaderSize = 20
      RowSize = 20
      SelectionColor = clNavy
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clBlack
      OnMouseDown = gridview1MouseDown
      OnStartDrag = gridview1StartDrag
      OnDragOver = gridview1DragOver
      OnSelectCell = gridview1SelectCell
      OnCellColoring = gridview1CellColoring
      object id: TDgNumberColumn
        Position = 0
        Visible = False
      end
      object status: TDgImageColumn
        Position = 1
        Width = 22
      end
      object posicaojog: TDgTextColumn
        Header.Caption = 'P'
        Position = 2
        Width = 14
        Alignment = taCenter
      end
      object condicao: TDgImageColumn
        Position = 3
        Width = 16
      end
      object nome: TDgTextColumn
        Header.Caption = 'Nome'
        Position = 4
        Width = 88
      end
      object funcaojog: TDgTextColumn
        Header.Caption = 'Função'
        Position = 5
        Visible = False
      end
      object forca: TDgNumberColumn
        Header.Caption = 'F'
        Position = 6
        Width = 18
      end
      object energia: TDgProgressColumn
        Header.Caption = 'Energia'
        Position = 7
        Width = 40
      end
      object lado: TDgTextColumn
        Header.Caption = 'Lado'
        Position = 8
        Width = 26
        Alignment = taCenter
      end
      object passe: TDgTextColumn
        Header.Caption = 'Passe'
        Position = 9
        Visible = False
      end
      object gols: TDgNumberColumn
        Header.Caption = 'G'
        Position = 10
        Width = 14
      end
      object habilidades: TDgTextColumn
        Header.Caption = 'Car.'
        Position = 11
        Width = 50
      end
      object idade: TDgNumberColumn
        Header.Caption = 'I'
        Position = 12
        Width = 20
      end
      object moral: TDgImageColumn
        Header.Caption = 'M'
        Position = 13
        Visible = False
      end
      object passet: TDgNumberColumn
        Position = 14
        Visible = False
      end
      object salariot: TDgNumberColumn
        Position = 15
        Visible = False
      end
      object colstatus: TDgTextColumn
        Position = 16
        Visible = False
      end
    end
  end
  object Label3: TLabel
    Left = 472
    Top = 366
    Caption = 'Seleção tática automática'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object combtat: TDcComboBox
    Left = 628
    Top = 362
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    DropDownCount = 10
    Items.Strings = (
      '5-4-1'
      '5-3-2'
      '4-5-1'
      '4-4-2'
      '4-4-2 Def.'
      '4-4-2 Ofen.'
      '4-3-3'
      '4-3-3 Def.'
      '3-5-2'
      '3-4-3')
    OnChange = combtatClick
  end
  object Label4: TLabel
    Left = 472
    Top = 396
    Caption = 'Estilo de jogo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object comboej: TDcComboBox
    Left = 628
    Top = 392
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    Items.Strings = (
      'Jogo equilibrado'
      'Ataque total'
      'Contra-ataque (retranca)')
    OnChange = comboejClick
  end
  object Label5: TLabel
    Left = 472
    Top = 426
    Caption = 'Concentrar ataques:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object combo_cataq: TDcComboBox
    Left = 628
    Top = 422
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    Items.Strings = (
      'Pelo meio'
      'Pelas laterais')
    OnChange = combo_cataqChange
  end
  object Label6: TLabel
    Left = 472
    Top = 456
    Caption = 'Tipo da marcação:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object combomarc: TDcComboBox
    Left = 628
    Top = 452
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    Items.Strings = (
      'Leve'
      'Pesada'
      'Muito pesada')
    OnChange = combomarcChange
  end
  object Label7: TLabel
    Left = 472
    Top = 486
    Caption = 'Cobrança faltas:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object combo2: TDcComboBox
    Left = 628
    Top = 482
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    DropDownCount = 12
    OnChange = combo2Change
  end
  object Label8: TLabel
    Left = 472
    Top = 516
    Caption = 'Capitão:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object combo1: TDcComboBox
    Left = 628
    Top = 512
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    DropDownCount = 12
    OnChange = combo1Change
  end
  object ckescalacao: TCheckBox
    Left = 472
    Top = 542
    Width = 150
    Height = 18
    Caption = 'Salvar escalação'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 3223857
    OnClick = ckescalacaoClick
  end
  object bt_voltar: TDcGlowButton
    Left = 472
    Top = 564
    Width = 150
    Height = 30
    Caption = '<< Administrar Time '
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = 3223857
    ParentFont = False
    Position = bpLeft
    OnClick = bt_voltarClick
  end
  object bt_irprojogo: TDcGlowButton
    Left = 640
    Top = 556
    Width = 154
    Height = 38
    Caption = 'Jogar >>'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = 3223857
    ParentFont = False
    Position = bpLeft
    OnClick = bt_irprojogoClick
  end
  object info1: TDcSmoothMessageDialog
    HTMLText.ShadowColor = clBlack
    HTMLText.ShadowOffset = 1
    Caption = 'Escalação'
    Margin = 20
    Position = poOwnerFormCenter
  end
  object ImageList2: TImageList
    Width = 16
    Height = 16
  end
  object ImageList5: TImageList
    Width = 24
    Height = 18
  end
end

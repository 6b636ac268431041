object Form75: TForm75
  Caption = 'Central da seleção'
  ClientWidth = 800
  ClientHeight = 600
  BorderStyle = bsNone
  Position = poScreenCenter
  KeyPreview = True
  Color = 3355443
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object Image1: TImage
    Left = 14
    Top = 6
    Width = 70
    Height = 92
    Center = True
    Proportional = True
    Stretch = True
    Transparent = True
  end
  object Image9: TImage
    Left = 40
    Top = 6
    Width = 70
    Height = 92
    Center = True
    Proportional = True
    Stretch = True
    Transparent = True
    Visible = False
  end
  object Label6: TLabel
    Left = 100
    Top = 10
    Caption = 'Copa do Mundo'
    Font.Name = 'Arial'
    Font.Height = -28
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object Image2: TImage
    Left = 102
    Top = 56
    Width = 30
    Height = 21
    Stretch = True
  end
  object Label5: TLabel
    Left = 140
    Top = 56
    Caption = 'País 2010'
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = clYellow
    Transparent = True
  end
  object thumb1: TImage
    Left = 560
    Top = 12
    Width = 24
    Height = 24
    Cursor = crHandPoint
    Center = True
    Stretch = True
    Proportional = True
    OnClick = Label4Click
  end
  object Label4: TLabel
    Left = 590
    Top = 14
    Cursor = crHandPoint
    Caption = 'Tabela jogos'
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold, fsUnderline]
    Font.Color = clWhite
    Transparent = True
    OnClick = Label4Click
  end
  object thumb2: TImage
    Left = 560
    Top = 46
    Width = 24
    Height = 24
    Cursor = crHandPoint
    Center = True
    Stretch = True
    Proportional = True
    OnClick = Label13Click
  end
  object Label13: TLabel
    Left = 590
    Top = 48
    Cursor = crHandPoint
    Caption = 'Opções'
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold, fsUnderline]
    Font.Color = clWhite
    Transparent = True
    OnClick = Label13Click
  end
  object Shape8: TShape
    Left = 766
    Top = 8
    Width = 24
    Height = 24
    Cursor = crHandPoint
    Brush.Color = clMaroon
    Pen.Color = clWhite
    Shape = stRoundRect
    OnMouseDown = Shape8MouseDown
  end
  object lb_sair: TLabel
    Left = 766
    Top = 8
    Width = 24
    Height = 24
    Cursor = crHandPoint
    Alignment = taCenter
    AutoSize = False
    Caption = 'X'
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = clWhite
    Layout = tlCenter
    Transparent = True
    OnMouseDown = Shape8MouseDown
  end
  object Panel1: TPanel
    Left = 8
    Top = 104
    Width = 784
    Height = 84
    BevelOuter = bvNone
    Color = clNavy
    object escudo: TImage
      Left = 8
      Top = 8
      Width = 68
      Height = 68
      Center = True
      Proportional = True
      Stretch = True
      Transparent = True
    end
    object Label1: TLabel
      Left = 88
      Top = 6
      Caption = 'Seleção'
      Font.Name = 'Arial'
      Font.Height = -24
      Font.Style = [fsBold]
      Font.Color = clWhite
      Transparent = True
    end
    object Label2: TLabel
      Left = 88
      Top = 44
      Caption = 'Técnico:'
      Font.Name = 'Arial'
      Font.Height = -13
      Font.Color = clWhite
      Transparent = True
    end
    object Label3: TLabel
      Left = 148
      Top = 44
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = clWhite
      Transparent = True
    end
    object Label12: TLabel
      Left = 420
      Top = 8
      Caption = 'Próxima partida'
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clWhite
      Transparent = True
    end
    object Label20: TLabel
      Left = 420
      Top = 28
      Caption = 'Próximo jogo:'
      Font.Name = 'Arial'
      Font.Height = -13
      Font.Color = clWhite
      Transparent = True
    end
    object Label21: TLabel
      Left = 514
      Top = 26
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -16
      Font.Style = [fsBold]
      Font.Color = clWhite
      Transparent = True
    end
    object Label22: TLabel
      Left = 420
      Top = 52
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -14
      Font.Style = [fsBold]
      Font.Color = clWhite
      Transparent = True
    end
  end
  object gridview1: TDataGrid
    Left = 8
    Top = 196
    Width = 784
    Height = 340
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    RowSize = 20
    SelectionColor = clNavy
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    OnCellColoring = gridview1CellColoring
    OnCellClick = gridview1CellClick
    OnSelectCell = gridview1SelectCell
    object id: TDgNumberColumn
      Position = 0
      Visible = False
    end
    object status: TDgImageColumn
      Position = 1
      Width = 28
      Options = [coCanClick]
    end
    object posicaojog: TDgTextColumn
      Header.Caption = 'P'
      Position = 2
      Width = 24
      Alignment = taCenter
    end
    object condicao: TDgImageColumn
      Position = 3
      Width = 24
    end
    object nome: TDgTextColumn
      Header.Caption = 'Nome'
      Position = 4
      Width = 190
    end
    object funcaojog: TDgComboBoxColumn
      Header.Caption = 'Função'
      Position = 5
      Width = 100
      Options = [coCanClick, coCanSort, coEditing, coPublicUsing, coShowTextFitHint]
      Style = cbsDropDownList
    end
    object forca: TDgNumberColumn
      Header.Caption = 'F'
      Position = 6
      Width = 36
    end
    object energia: TDgProgressColumn
      Header.Caption = 'Energia'
      Position = 7
      Width = 100
    end
    object gols: TDgTextColumn
      Header.Caption = 'G'
      Position = 8
      Width = 36
    end
    object habilidades: TDgTextColumn
      Header.Caption = 'Car.'
      Position = 9
      Width = 90
    end
    object idade: TDgNumberColumn
      Header.Caption = 'I'
      Position = 10
      Width = 36
    end
    object moral: TDgImageColumn
      Header.Caption = 'M'
      Position = 11
      Width = 36
    end
  end
  object btjogar: TDcGlowButton
    Left = 630
    Top = 548
    Width = 160
    Height = 42
    Caption = 'Escalar Time'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = 3223857
    ParentFont = False
    Position = bpLeft
    OnClick = btjogarClick
  end
  object ImageList1: TImageList
    Width = 16
    Height = 16
  end
  object ImageList2: TImageList
    Width = 16
    Height = 16
  end
  object ImageList5: TImageList
    Width = 24
    Height = 18
  end
  object PopupMenu2: TPopupMenu
    object Salvar: TMenuItem
      Caption = 'Salvar jogo'
      OnClick = SalvarClick
    end
    object opcoes: TMenuItem
      Caption = 'Opções'
      OnClick = opcoesClick
    end
    object Sairdojogo1: TMenuItem
      Caption = 'Sair do jogo'
      OnClick = Sairdojogo1Click
    end
  end
end

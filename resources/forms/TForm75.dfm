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
    Appearance.BorderColorHot = clGreen
    Appearance.BorderColorDown = clGreen
    Appearance.BorderColorChecked = clGreen
    Picture.Data = {
      89504E470D0A1A0A0000000D49484452000000100000001008060000001FF3FF
      61000001C64944415478DA9D53CDAAB1611435F886AEC1151C25034C98204A4A
      24F92B1323921B9022039760741828460CA40C78A548464AA44C48495C82C13A
      D6EE78F31EE79CEFEB7B6AD5EE79F6DA3F6BEF47A7FBE198CD66FD1D6F9FD0EB
      FEF5DC9DBD77281E8FE7964AA540D0E61DDF7E23FEB9E3DD6834A256ABE17ABD
      62381C0A68F38E6FF4A1EF7701DE43A11082C1200E878390DAEDB68036EFF846
      1FFABE949D4C26713E9FC5F981E700C4E572C1F178443C1E87A61DF6371E8F35
      64A2D56A091EE4D3E984FD7E8F5EAFC7008AAA3645EA743A884422A856AB984C
      26188D46B0D96C02DA8AA2A052A9201C0EA35EAFC3E572DD643A1C13956616B6
      40D14AA5120C068306854201DD6E17ABD50ACBE512D1689455BC49000AF3B57F
      AFD7AB92DD6E3776BB1DD6EBB590E7F339FC7EBF1A406F32996E3E9F4F132093
      C9C06AB5C262B1209D4EABE4C56201A7D30972D405A3201CD1834C91F2F9BC08
      C6CCD96C168D4643C8D3E954AA53457C8C31168B491BDBED168944029BCD462D
      7B369B89C0FD7E5F340A040278D94A2E47B95C964C83C140D33333379B4D9950
      2E977B5DA4E755E6923013C90C582C16A56C06669B3FAEF2D7CFE470386EDC7D
      C26EB7FFFD33FDEF77FE006DFBC8B9469969200000000049454E44AE426082}
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

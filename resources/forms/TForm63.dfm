object Form63: TForm63
  Caption = 'Jogos e resultados por rodada'
  ClientWidth = 720
  ClientHeight = 560
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  object btnac: TGradButton
    Left = 8
    Top = 8
    Width = 100
    Height = 26
    Caption = 'Nacional'
    ColorScheme = csNeoSilver
    OnClick = btnacClick
  end
  object btestadual: TGradButton
    Left = 112
    Top = 8
    Width = 100
    Height = 26
    Caption = 'Estadual'
    ColorScheme = csNeoSilver
    OnClick = btestadualClick
  end
  object btlib: TGradButton
    Left = 216
    Top = 8
    Width = 100
    Height = 26
    Caption = 'Libertadores'
    ColorScheme = csNeoSilver
    OnClick = btlibClick
  end
  object btsul: TGradButton
    Left = 320
    Top = 8
    Width = 100
    Height = 26
    Caption = 'Sul-Americana'
    ColorScheme = csNeoSilver
    OnClick = btsulClick
  end
  object bteuro: TGradButton
    Left = 424
    Top = 8
    Width = 100
    Height = 26
    Caption = 'Liga Campeões'
    ColorScheme = csNeoSilver
    OnClick = bteuroClick
  end
  object btuefa: TGradButton
    Left = 528
    Top = 8
    Width = 100
    Height = 26
    Caption = 'Copa UEFA'
    ColorScheme = csNeoSilver
    OnClick = btuefaClick
  end
  object combopais: TComboBoxEx
    Left = 8
    Top = 44
    Width = 180
    Height = 22
    Style = csDropDownList
    OnChange = combopaisChange
  end
  object combo1: TComboBoxEx
    Left = 8
    Top = 44
    Width = 180
    Height = 22
    Style = csDropDownList
    Visible = False
    OnChange = combo1Change
  end
  object Label1: TLabel
    Left = 200
    Top = 47
    Caption = 'Rodada:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object bt3: TGradButton
    Left = 260
    Top = 43
    Width = 26
    Height = 24
    Caption = '<'
    ColorScheme = csNeoSilver
    OnClick = bt3Click
  end
  object c1: TComboBox
    Left = 290
    Top = 44
    Width = 170
    Height = 22
    Style = csDropDownList
    DropDownCount = 20
    OnClick = c1Click
  end
  object GradButton3: TGradButton
    Left = 464
    Top = 43
    Width = 26
    Height = 24
    Caption = '>'
    ColorScheme = csNeoSilver
    OnClick = GradButton3Click
  end
  object bt1: TGradButton
    Left = 572
    Top = 42
    Width = 140
    Height = 26
    Caption = 'Tabela 2ª fase'
    ColorScheme = csNeoSilver
    Visible = False
    OnClick = bt1Click
  end
  object Label2: TLabel
    Left = 8
    Top = 76
    Caption = '1ª rodada - 1º turno'
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
  object t1: TDataGrid
    Left = 8
    Top = 100
    Width = 704
    Height = 414
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goSelectFullRow, goDisableColumnMoving]
    RowSize = 20
    SelectionColor = clGreen
    OnCellDblClick = t1DblClick
    object colid: TDgTextColumn
      Position = 0
      Visible = False
    end
    object colescudo1: TDgImageColumn
      Position = 1
      Width = 24
    end
    object coltime1: TDgTextColumn
      Position = 2
      Width = 150
      Alignment = taRightJustify
      Font.Style = [fsBold]
    end
    object colplacar: TDgTextColumn
      Position = 3
      Width = 50
      Alignment = taCenter
      Font.Style = [fsBold]
    end
    object coltime2: TDgTextColumn
      Position = 4
      Width = 150
      Font.Style = [fsBold]
    end
    object colescudo2: TDgImageColumn
      Position = 5
      Width = 24
    end
    object colpublico: TDgTextColumn
      Header.Caption = 'Público'
      Position = 6
      Width = 80
      Alignment = taRightJustify
    end
    object colrenda: TDgTextColumn
      Header.Caption = 'Renda'
      Position = 7
      Width = 200
    end
    object colvazio: TDgTextColumn
      Position = 8
      Width = 4
    end
    object colfixture: TDgNumberColumn
      Position = 9
      Visible = False
    end
  end
  object Label3: TLabel
    Left = 8
    Top = 522
    Caption = '(duplo clique pra ver info de partidas já jogadas)'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object GradButton1: TGradButton
    Left = 664
    Top = 522
    Width = 48
    Height = 30
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = GradButton1Click
  end
  object ImageList1: TImageList
    Width = 18
    Height = 18
  end
  object flags: TImageList
    Width = 20
    Height = 14
  end
  object stateFlags: TImageList
    Width = 20
    Height = 14
  end
end

object Form18: TForm18
  Caption = 'Jogos do clube na temporada'
  ClientWidth = 780
  ClientHeight = 540
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  object escudo: TImage
    Left = 8
    Top = 6
    Width = 64
    Height = 64
    Center = True
    Proportional = True
    Stretch = True
  end
  object Label1: TLabel
    Left = 82
    Top = 22
    Caption = 'Clube'
    Font.Name = 'Arial'
    Font.Height = -24
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label2: TLabel
    Left = 520
    Top = 28
    Caption = 'Mostrar:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object combo1: TComboBox
    Left = 586
    Top = 25
    Width = 186
    Height = 22
    Style = csDropDownList
    Items.Strings = (
      'Todos os jogos'
      'Nacional'
      'Amistosos')
    OnChange = combo1Change
  end
  object list1: TDataGrid
    Left = 8
    Top = 78
    Width = 764
    Height = 414
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 18
    SelectionColor = clGreen
    OnCellDblClick = list1DblClick
    OnCellFormating = list1CellFormating
    object coldata: TDgTextColumn
      Header.Caption = 'Data'
      Position = 0
      Width = 108
    end
    object colforacasa: TDgTextColumn
      Position = 1
      Width = 20
      Alignment = taCenter
      Font.Style = [fsBold]
    end
    object coltime1: TDgTextColumn
      Position = 2
      Width = 140
      Alignment = taRightJustify
      Font.Style = [fsBold]
    end
    object colx: TDgTextColumn
      Position = 3
      Width = 32
      Alignment = taCenter
      Font.Style = [fsBold]
    end
    object coltime2: TDgTextColumn
      Position = 4
      Width = 140
      Font.Style = [fsBold]
    end
    object colnomecamp: TDgTextColumn
      Header.Caption = 'Campeonato'
      Position = 5
      Width = 136
    end
    object colpublico: TDgTextColumn
      Header.Caption = 'Público'
      Position = 6
      Width = 60
      Alignment = taRightJustify
    end
    object colrenda: TDgTextColumn
      Header.Caption = 'Renda'
      Position = 7
      Width = 96
    end
    object colid: TDgNumberColumn
      Position = 8
      Visible = False
    end
    object coldatareal: TDgNumberColumn
      Position = 9
      Visible = False
    end
  end
  object Label3: TLabel
    Left = 8
    Top = 502
    Caption = '(duplo clique pra ver info de partidas já jogadas)'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object bt3: TGradButton
    Left = 724
    Top = 500
    Width = 48
    Height = 30
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = bt3Click
  end
end

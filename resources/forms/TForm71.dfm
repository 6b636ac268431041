object Form71: TForm71
  Caption = 'Ranking de clubes'
  ClientWidth = 800
  ClientHeight = 556
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  object bt1: TGradButton
    Left = 8
    Top = 8
    Width = 180
    Height = 28
    Caption = 'Ranking por Colocação'
    ColorScheme = csGrass
    OnClick = bt1Click
  end
  object bt2: TGradButton
    Left = 194
    Top = 8
    Width = 200
    Height = 28
    Caption = 'Ranking por pontos corridos'
    ColorScheme = csNeoSilver
    OnClick = bt2Click
  end
  object combopais: TComboBoxEx
    Left = 404
    Top = 11
    Width = 190
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    OnChange = combopaisChange
  end
  object Label2: TLabel
    Left = 610
    Top = 15
    Caption = 'Legenda: (PG/GP/GC)'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
    Visible = False
  end
  object listr1: TDataGrid
    Left = 8
    Top = 44
    Width = 784
    Height = 462
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 20
    SelectionColor = clGreen
    object colcolocacao1: TDgNumberColumn
      Position = 0
      Width = 34
    end
    object colid1: TDgNumberColumn
      Header.Caption = 'Ano'
      Position = 1
      Visible = False
    end
    object colescudo1: TDgImageColumn
      Position = 2
      Width = 24
    end
    object colclube1: TDgTextColumn
      Header.Caption = 'Clube'
      Position = 3
      Width = 150
    end
    object colnacional1: TDgTextColumn
      Header.Caption = 'Nacional'
      Position = 4
      Width = 76
      Alignment = taCenter
    end
    object colestadual1: TDgTextColumn
      Header.Caption = 'Estadual'
      Position = 5
      Width = 76
      Alignment = taCenter
    end
    object colcopa1: TDgTextColumn
      Header.Caption = 'Copa'
      Position = 6
      Width = 76
      Alignment = taCenter
    end
    object collibertadores1: TDgTextColumn
      Header.Caption = 'Libertadores'
      Position = 7
      Width = 86
      Alignment = taCenter
    end
    object colsulamericana1: TDgTextColumn
      Header.Caption = 'Sul-Americana'
      Position = 8
      Width = 86
      Alignment = taCenter
    end
    object colmundial1: TDgTextColumn
      Header.Caption = 'Mundial'
      Position = 9
      Width = 76
      Alignment = taCenter
    end
    object coltotal1: TDgNumberColumn
      Header.Caption = 'Total'
      Position = 10
      Width = 64
    end
  end
  object listr2: TDataGrid
    Left = 8
    Top = 44
    Width = 784
    Height = 462
    Visible = False
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 20
    SelectionColor = clGreen
    object colcolocacao2: TDgNumberColumn
      Position = 0
      Width = 34
    end
    object colid2: TDgNumberColumn
      Position = 1
      Visible = False
    end
    object colescudo2: TDgImageColumn
      Position = 2
      Width = 24
    end
    object colclube2: TDgTextColumn
      Header.Caption = 'Clube'
      Position = 3
      Width = 150
    end
    object colnacional2: TDgTextColumn
      Header.Caption = 'Nacional'
      Position = 4
      Width = 76
      Alignment = taCenter
    end
    object colestadual2: TDgTextColumn
      Header.Caption = 'Estadual'
      Position = 5
      Width = 76
      Alignment = taCenter
    end
    object colcopa2: TDgTextColumn
      Header.Caption = 'Copa'
      Position = 6
      Width = 76
      Alignment = taCenter
    end
    object collibertadores2: TDgTextColumn
      Header.Caption = 'Libertadores'
      Position = 7
      Width = 86
      Alignment = taCenter
    end
    object colsulamericana2: TDgTextColumn
      Header.Caption = 'Sul-Americana'
      Position = 8
      Width = 86
      Alignment = taCenter
    end
    object colmundial2: TDgTextColumn
      Header.Caption = 'Mundial'
      Position = 9
      Width = 76
      Alignment = taCenter
    end
    object coltotal2: TDgNumberColumn
      Header.Caption = 'Total pts'
      Position = 10
      Width = 64
    end
  end
  object bt3: TGradButton
    Left = 744
    Top = 516
    Width = 48
    Height = 30
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = bt3Click
  end
  object ImageList1: TImageList
    Width = 18
    Height = 18
  end
  object ImageList2: TImageList
    Width = 18
    Height = 18
  end
  object flags: TImageList
    Width = 20
    Height = 14
  end
end

object Form19: TForm19
  Caption = 'Galeria de Troféus'
  ClientWidth = 460
  ClientHeight = 480
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  OnClose = FormClose
  object Label2: TLabel
    Left = 8
    Top = 8
    Caption = 'Galeria de Troféus'
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
  object Label1: TLabel
    Left = 8
    Top = 30
    Caption = 'Técnico'
    Font.Name = 'Arial'
    Font.Height = -21
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object grid1: TDataGrid
    Left = 8
    Top = 64
    Width = 444
    Height = 366
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 20
    SelectionColor = clGreen
    OnCellFormating = grid1CellFormating
    object colano: TDgTextColumn
      Header.Caption = 'Ano'
      Position = 0
      Width = 50
      Alignment = taCenter
    end
    object colescudo: TDgImageColumn
      Position = 1
      Width = 24
    end
    object colclube: TDgTextColumn
      Header.Caption = 'Clube'
      Position = 2
      Width = 300
    end
    object colpais: TDgImageColumn
      Position = 3
      Width = 30
    end
  end
  object GradButton1: TGradButton
    Left = 404
    Top = 440
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
end

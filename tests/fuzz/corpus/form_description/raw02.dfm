object FormClubes: TForm
  object GridClubes: TDataGrid
    Left = 8
    Top = 8
    Width = 320
    Height = 200
    AppearanceOptions = [aoHideSelection, aoBoldTextSelection]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 20
    SelectionColor = clNavy
    Version = '3.0'
    OnSelectCell = GridClubesSelectCell
    object colNome: TDgTextColumn
      Header.Caption = 'Clube'
      Position = 0
      Width = 150
    end
    object id: TDgNumberColumn
      Position = 1
      Visible = False
    end
  end
end

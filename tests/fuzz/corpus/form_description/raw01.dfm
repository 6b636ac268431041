object FormTabela: TForm
  object GridTabela: TDataGrid
    Left = 8
    Top = 8
    Width = 300
    Height = 200
    OnCompare = GridTabelaCompare
    object colPontos: TDgNumberColumn
      Header.Caption = 'Pontos'
      Position = 1
      Width = 50
      SortType = stCustom
      Options = [coCanClick, coCanSort]
    end
    object colClube: TDgTextColumn
      Header.Caption = 'Clube'
      Position = 0
      Width = 3
    end
    object id: TDgNumberColumn
      Position = 2
      Visible = False
    end
  end
end

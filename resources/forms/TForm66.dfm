object Form66: TForm66
  Caption = 'Campeões estaduais'
  ClientWidth = 760
  ClientHeight = 600
  BorderStyle = bsNone
  Position = poScreenCenter
  KeyPreview = True
  OnShow = FormShow
  OnKeyDown = FormKeyDown
  object Label1: TLabel
    Left = 16
    Top = 12
    Caption = 'Campeões Estaduais'
    Font.Name = 'Arial'
    Font.Height = -20
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label3: TLabel
    Left = 16
    Top = 44
    Caption = 'Prêmios:Campeão 1 milhão; Vice-campeão: 500 mil; Time do artilheiro: 500 mil.'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object gcamp: TDataGrid
    Left = 16
    Top = 64
    Width = 728
    Height = 484
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 17
    SelectionColor = clGreen
    object colescudo2: TDgImageColumn
      Position = 0
      Width = 26
    end
    object colclube2: TDgTextColumn
      Header.Caption = 'Estado'
      Position = 1
      Width = 50
      Font.Style = [fsBold]
    end
    object colnacional2: TDgTextColumn
      Header.Caption = 'Campeão'
      Position = 2
      Width = 150
      Font.Style = [fsBold]
    end
    object colestadual2: TDgTextColumn
      Header.Caption = 'Vice-Campeão'
      Position = 3
      Width = 150
    end
    object colcopa2: TDgTextColumn
      Header.Caption = 'Artilheiro'
      Position = 4
      Width = 330
    end
  end
  object GradButton2: TGradButton
    Left = 604
    Top = 558
    Width = 140
    Height = 32
    Caption = 'Continuar >>'
    ColorScheme = csNeoGrass
    OnClick = GradButton2Click
  end
  object stateFlags: TImageList
    Width = 20
    Height = 14
  end
end

object Form55: TForm55
  Caption = 'Retrospecto'
  ClientWidth = 740
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
  object Label3: TLabel
    Left = 82
    Top = 8
    Caption = 'Retrospecto'
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
  object Label5: TLabel
    Left = 82
    Top = 30
    Caption = 'Clube'
    Font.Name = 'Arial'
    Font.Height = -24
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Grid: TDataGrid
    Left = 8
    Top = 78
    Width = 724
    Height = 404
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 18
    SelectionColor = clGreen
    OnCellColoring = GridCellColoring
    OnCellFormating = GridCellFormating
    object colano: TDgTextColumn
      Header.Caption = 'Ano'
      Position = 0
      Width = 50
    end
    object colcampeonato: TDgTextColumn
      Header.Caption = 'Campeonato'
      Position = 1
      Width = 110
    end
    object colcolocacao: TDgTextColumn
      Header.Caption = 'Colocação'
      Position = 2
      Width = 130
    end
    object colj: TDgTextColumn
      Header.Caption = 'J'
      Position = 3
      Width = 30
      Alignment = taCenter
    end
    object colv: TDgTextColumn
      Header.Caption = 'V'
      Position = 4
      Width = 30
      Alignment = taCenter
    end
    object cold: TDgTextColumn
      Header.Caption = 'D'
      Position = 5
      Width = 30
      Alignment = taCenter
    end
    object cole: TDgTextColumn
      Header.Caption = 'E'
      Position = 6
      Width = 30
      Alignment = taCenter
    end
    object colgp: TDgTextColumn
      Header.Caption = 'GP'
      Position = 7
      Width = 30
      Alignment = taCenter
    end
    object colgc: TDgTextColumn
      Header.Caption = 'GC'
      Position = 8
      Width = 30
      Alignment = taCenter
    end
    object coltecnicos: TDgTextColumn
      Header.Caption = 'Técnicos'
      Position = 9
      Width = 200
    end
    object anoid: TDgTextColumn
      Position = 10
      Visible = False
    end
  end
  object Label1: TLabel
    Left = 8
    Top = 492
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
  object Label2: TLabel
    Left = 70
    Top = 492
    Width = 600
    Height = 40
    AutoSize = False
    WordWrap = True
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clNavy
    Transparent = True
  end
  object GradButton2: TGradButton
    Left = 684
    Top = 500
    Width = 48
    Height = 30
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = GradButton2Click
  end
end

object Form47: TForm47
  Caption = 'Ranking de técnicos'
  ClientWidth = 790
  ClientHeight = 560
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  OnShow = FormShow
  object combopais: TComboBoxEx
    Left = 8
    Top = 10
    Width = 200
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    OnChange = combopaisChange
  end
  object Label3: TLabel
    Left = 220
    Top = 6
    Width = 360
    Height = 30
    AutoSize = False
    WordWrap = True
    Caption = 'Obs: No ranking mundial os pontos ganhos no estadual não contam para a classificação'
    Font.Name = 'Arial'
    Font.Height = -10
    Font.Color = clNavy
    Transparent = True
    Visible = False
  end
  object gridview1: TDataGrid
    Left = 8
    Top = 42
    Width = 400
    Height = 470
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 18
    SelectionColor = clGreen
    ShowHint = True
    OnSelectCell = gridview1SelectCell
    OnCellFormating = gridview1CellFormating
    object id: TDgNumberColumn
      Position = 0
      Visible = False
    end
    object colocacao: TDgNumberColumn
      Position = 1
      Width = 32
    end
    object coltecnico: TDgTextColumn
      Position = 2
      Header.Caption = 'Técnico'
      Width = 150
    end
    object timeatual: TDgTextColumn
      Position = 3
      Header.Caption = 'Time atual'
      Width = 140
    end
    object mundial: TDgNumberColumn
      Position = 4
      Header.Caption = 'M'
      Visible = False
    end
    object lib: TDgNumberColumn
      Position = 5
      Header.Caption = 'L'
      Visible = False
    end
    object sul: TDgNumberColumn
      Position = 6
      Header.Caption = 'S'
      Visible = False
    end
    object nacional: TDgNumberColumn
      Position = 7
      Header.Caption = 'N'
      Visible = False
    end
    object copa: TDgNumberColumn
      Position = 8
      Header.Caption = 'C'
      Visible = False
    end
    object estadual: TDgNumberColumn
      Position = 9
      Header.Caption = 'E'
      Visible = False
    end
    object pontos: TDgNumberColumn
      Position = 10
      Header.Caption = 'Pontos'
      Width = 56
    end
  end
  object label13: TRichLabel
    Left = 420
    Top = 42
    Width = 362
    Height = 24
  end
  object label53: TRichLabel
    Left = 420
    Top = 66
    Width = 362
    Height = 22
  end
  object infojt: TDcSmoothPanel
    Left = 420
    Top = 92
    Width = 362
    Height = 270
    Fill.Color = 16775408
    Fill.ColorTo = 16762250
    Fill.GradientType = gtVertical
    Fill.BorderColor = clNavy
    Fill.Rounding = 6
    Caption.HTMLLocation = plTopLeft
    Caption.HTMLFont.Name = 'Arial'
    Caption.HTMLFont.Height = -12
    Caption.HTMLFont.Color = clBlack
  end
  object GradButton3: TGradButton
    Left = 420
    Top = 366
    Width = 48
    Height = 26
    Caption = '<<'
    ColorScheme = csNeoSilver
    Visible = False
    OnClick = GradButton3Click
  end
  object GradButton1: TGradButton
    Left = 734
    Top = 366
    Width = 48
    Height = 26
    Caption = '>>'
    ColorScheme = csNeoSilver
    Visible = False
    OnClick = GradButton1Click
  end
  object Label2: TLabel
    Left = 420
    Top = 400
    Caption = 'Títulos:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
  object Label5: TLabel
    Left = 480
    Top = 400
    Width = 302
    Height = 104
    AutoSize = False
    WordWrap = True
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label4: TLabel
    Left = 420
    Top = 520
    Cursor = crHandPoint
    Caption = 'Galeria de troféus'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold, fsUnderline]
    Font.Color = clBlue
    Transparent = True
    OnClick = Label4Click
  end
  object GradButton2: TGradButton
    Left = 734
    Top = 520
    Width = 48
    Height = 30
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = GradButton2Click
  end
  object flags: TImageList
    Width = 20
    Height = 14
  end
end

object Form20: TForm20
  Caption = 'Artilheiros'
  ClientWidth = 620
  ClientHeight = 520
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  object Label2: TLabel
    Left = 8
    Top = 13
    Caption = 'Ver:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object combo1: TComboBox
    Left = 44
    Top = 10
    Width = 200
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    OnChange = combo1Change
  end
  object combopais: TComboBoxEx
    Left = 256
    Top = 10
    Width = 180
    Height = 22
    Style = csDropDownList
    OnChange = combopaisChange
  end
  object combo2: TComboBoxEx
    Left = 256
    Top = 10
    Width = 180
    Height = 22
    Style = csDropDownList
    Visible = False
    OnChange = combo2Change
  end
  object t1: TDataGrid
    Left = 8
    Top = 42
    Width = 604
    Height = 424
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 18
    SelectionColor = clGreen
    OnCellDblClick = t1DblClick
    object ncpos: TDgIncrementColumn
      Position = 0
      Width = 34
    end
    object coljogador: TDgTextColumn
      Header.Caption = 'Jogador'
      Position = 1
      Width = 200
      Font.Style = [fsBold]
    end
    object colclube: TDgTextColumn
      Header.Caption = 'Clube'
      Position = 2
      Width = 180
    end
    object colgols: TDgNumberColumn
      Header.Caption = 'Gols'
      Position = 3
      Width = 70
    end
    object coljogos: TDgNumberColumn
      Header.Caption = 'Jogos'
      Position = 4
      Width = 70
    end
    object coljogid: TDgNumberColumn
      Position = 5
      Visible = False
    end
    object colgolst: TDgNumberColumn
      Header.Caption = 'Total Gols '
      Position = 6
      Width = 80
      Visible = False
    end
    object coljogost: TDgNumberColumn
      Header.Caption = 'Total Jogos'
      Position = 7
      Width = 80
      Visible = False
    end
    object colid: TDgNumberColumn
      Position = 8
      Width = 40
    end
  end
  object Label4: TLabel
    Left = 8
    Top = 476
    Caption = 'mostrando apenas os 100 primeiros, para mostrar todos'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
    Visible = False
  end
  object Label1: TLabel
    Left = 318
    Top = 476
    Cursor = crHandPoint
    Caption = 'clique aqui'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold, fsUnderline]
    Font.Color = clBlue
    Transparent = True
    Visible = False
    OnClick = Label1Click
  end
  object GradButton1: TGradButton
    Left = 564
    Top = 480
    Width = 48
    Height = 30
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = GradButton1Click
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

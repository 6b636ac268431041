object Form15: TForm15
  Caption = 'Confronto direto'
  ClientWidth = 660
  ClientHeight = 480
  BorderStyle = bsSizeToolWin
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object c1: TComboBox
    Left = 8
    Top = 10
    Width = 220
    Height = 22
    Style = csDropDownList
    DropDownCount = 20
  end
  object c2: TComboBox
    Left = 246
    Top = 10
    Width = 220
    Height = 22
    Style = csDropDownList
    DropDownCount = 20
  end
  object bt3: TGradButton
    Left = 476
    Top = 7
    Width = 138
    Height = 28
    Caption = 'Mostrar confrontos'
    ColorScheme = csNeoSky
    OnClick = bt3Click
  end
  object GradButton1: TGradButton
    Left = 620
    Top = 7
    Width = 32
    Height = 28
    Caption = 'X'
    Hint = 'Fechar'
    ShowHint = True
    ColorScheme = csNeoRose
    OnClick = GradButton1Click
  end
  object Label1: TLabel
    Left = 8
    Top = 46
    Width = 290
    Height = 22
    Alignment = taRightJustify
    AutoSize = False
    Caption = 'Clube 1'
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label3: TLabel
    Left = 322
    Top = 46
    Caption = 'x'
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label2: TLabel
    Left = 352
    Top = 46
    Caption = 'Clube 2'
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label5: TLabel
    Left = 8
    Top = 72
    Width = 290
    Height = 18
    Alignment = taRightJustify
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clNavy
    Transparent = True
  end
  object Label6: TLabel
    Left = 352
    Top = 72
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clNavy
    Transparent = True
  end
  object Label4: TLabel
    Left = 8
    Top = 98
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
  object Gridview1: TDataGrid
    Left = 8
    Top = 120
    Width = 644
    Height = 350
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 18
    SelectionColor = clGreen
    object colano: TDgNumberColumn
      Header.Caption = 'Ano'
      Position = 0
      Width = 40
    end
    object colestadio: TDgTextColumn
      Header.Caption = 'Local'
      Position = 1
      Width = 170
    end
    object colt1: TDgTextColumn
      Position = 2
      Width = 120
      Alignment = taRightJustify
      Font.Style = [fsBold]
    end
    object colp: TDgTextColumn
      Position = 3
      Width = 36
      Alignment = taCenter
      Font.Style = [fsBold]
    end
    object colt2: TDgTextColumn
      Position = 4
      Width = 120
      Font.Style = [fsBold]
    end
    object colcamp: TDgTextColumn
      Header.Caption = 'Competição'
      Position = 5
      Width = 140
    end
  end
end

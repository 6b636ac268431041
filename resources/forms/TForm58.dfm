object Form58: TForm58
  Caption = 'Últimas transferências'
  ClientWidth = 700
  ClientHeight = 540
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  object Label4: TLabel
    Left = 12
    Top = 8
    Caption = 'Últimas transferências'
    Font.Name = 'Arial'
    Font.Height = -20
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label5: TLabel
    Left = 12
    Top = 40
    Caption = 'Jogadores - todos'
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
  object combopais: TComboBox
    Left = 440
    Top = 38
    Width = 248
    Height = 22
    Style = csDropDownList
    DropDownCount = 20
    OnChange = combopaisChange
  end
  object Gridview1: TDataGrid
    Left = 12
    Top = 68
    Width = 676
    Height = 416
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 18
    SelectionColor = clNavy
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clBlack
    object id: TDgNumberColumn
      Position = 0
      Visible = False
    end
    object colano: TDgTextColumn
      Header.Caption = 'Data'
      Position = 1
      Width = 80
    end
    object Coljogador: TDgTextColumn
      Header.Caption = 'Jogador'
      Position = 2
      Width = 160
      Font.Style = [fsBold]
    end
    object colorigem: TDgTextColumn
      Header.Caption = 'Clube de Origem'
      Position = 3
      Width = 150
    end
    object coldestino: TDgTextColumn
      Header.Caption = 'Clube de Destino'
      Position = 4
      Width = 150
    end
    object colvalor: TDgTextColumn
      Header.Caption = 'Valor'
      Position = 5
      Width = 110
      Alignment = taRightJustify
    end
  end
  object bt3: TGradButton
    Left = 640
    Top = 496
    Width = 48
    Height = 30
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = bt3Click
  end
end

object Form26: TForm26
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Fim de temporada'
  ClientWidth = 800
  ClientHeight = 600
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnClose = FormClose
  OnShow = FormShow
  OnKeyDown = FormKeyDown
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 800
    Height = 600
    BevelOuter = bvNone
    ParentBackground = True
    object Image1: TLabel
      Left = 16
      Top = 10
      Caption = 'Fim de temporada'
      Font.Name = 'Arial'
      Font.Height = -22
      Font.Style = [fsBold]
      Font.Color = clNavy
      Transparent = True
    end
    object combopais: TComboBoxEx
      Left = 16
      Top = 40
      Width = 184
      Height = 22
      Style = csDropDownList
      OnChange = combopaisChange
    end
    object gridc: TDataGrid
      Left = 16
      Top = 68
      Width = 323
      Height = 474
      AppearanceOptions = [aoHideFocus]
      GridLinesStyle = lsVerticalOnly
      Options = [goSelectFullRow, goDisableColumnMoving]
      RowSize = 22
      SelectionColor = clGreen
      object colimg1: TDgImageColumn
        Position = 0
        Width = 22
      end
      object colimg2: TDgImageColumn
        Position = 1
        Width = 22
      end
      object colinfo1: TDgTextColumn
        Position = 2
        Width = 275
      end
    end
    object gridi: TDataGrid
      Left = 408
      Top = 68
      Width = 376
      Height = 474
      AppearanceOptions = [aoHideFocus]
      GridLinesStyle = lsVerticalOnly
      Options = [goSelectFullRow, goDisableColumnMoving]
      RowSize = 22
      SelectionColor = clGreen
      object colimg1i: TDgImageColumn
        Position = 0
        Width = 22
      end
      object colimg2i: TDgImageColumn
        Position = 1
        Width = 22
      end
      object colinfo1i: TDgTextColumn
        Position = 2
        Width = 328
      end
    end
    object bt3: TGradButton
      Left = 632
      Top = 554
      Width = 152
      Height = 34
      Caption = 'Continuar >>'
      ColorScheme = csNeoGrass
      OnClick = bt3Click
    end
  end
  object ImageList1: TImageList
    Width = 18
    Height = 22
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

object Form21: TForm21
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Carregar jogo'
  ClientWidth = 560
  ClientHeight = 380
  Color = 3355443
  KeyPreview = True
  Position = poScreenCenter
  OnActivate = FormCreate
  object Label1: TLabel
    Left = 20
    Top = 14
    Caption = 'Carregar Jogo Salvo'
    Font.Name = 'Arial'
    Font.Height = -22
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object grid1: TDataGrid
    Left = 20
    Top = 56
    Width = 260
    Height = 260
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 20
    OnSelectCell = grid1SelectCell
    object colstatus: TDgImageColumn
      Position = 0
      Width = 20
      Visible = False
    end
    object colarquivo: TDgTextColumn
      Header.Caption = 'Arquivo'
      Position = 1
      Width = 236
    end
  end
  object Label2: TLabel
    Left = 300
    Top = 60
    Caption = 'Técnico:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object labtecnico: TLabel
    Left = 300
    Top = 78
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clYellow
    Transparent = True
  end
  object Label3: TLabel
    Left = 300
    Top = 110
    Caption = 'Time:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object labtime: TLabel
    Left = 300
    Top = 128
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clYellow
    Transparent = True
  end
  object Label4: TLabel
    Left = 300
    Top = 160
    Caption = 'Próximo Jogo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object labano: TLabel
    Left = 300
    Top = 178
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clYellow
    Transparent = True
  end
  object labcompeticao: TLabel
    Left = 300
    Top = 198
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clYellow
    Transparent = True
  end
  object BitBtn1: TBitBtn
    Left = 20
    Top = 334
    Width = 120
    Height = 30
    Caption = 'Carregar'
    OnClick = BitBtn1Click
  end
  object BitBtn3: TBitBtn
    Left = 160
    Top = 334
    Width = 120
    Height = 30
    Caption = 'Apagar '
    OnClick = BitBtn3Click
  end
  object BitBtn2: TBitBtn
    Left = 420
    Top = 334
    Width = 120
    Height = 30
    Caption = 'Cancelar'
    OnClick = BitBtn2Click
  end
end

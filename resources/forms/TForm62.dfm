object Form62: TForm62
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Sua caixa de emails'
  ClientWidth = 640
  ClientHeight = 480
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  OnCreate = FormCreate
  OnClose = FormClose
  object Label1: TLabel
    Left = 12
    Top = 10
    Caption = 'Sua caixa de emails'
    Font.Name = 'Arial'
    Font.Height = -20
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object bt1: TGradButton
    Left = 596
    Top = 8
    Width = 32
    Height = 28
    Caption = 'X'
    ColorScheme = csNeoSky
    OnClick = bt1Click
  end
  object grid1: TDataGrid
    Left = 12
    Top = 44
    Width = 616
    Height = 236
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 20
    SelectionColor = clNavy
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    OnSelectCell = grid1SelectCell
    OnCellFormating = grid1CellFormating
    object id: TDgNumberColumn
      Position = 0
      Visible = False
    end
    object lido: TDgImageColumn
      Position = 1
      Width = 24
    end
    object assunto: TDgTextColumn
      Header.Caption = 'Assunto'
      Position = 2
      Width = 330
    end
    object from: TDgTextColumn
      Header.Caption = 'De'
      Position = 3
      Width = 160
    end
    object coldata: TDgTextColumn
      Header.Caption = 'Data'
      Position = 4
      Width = 80
      Alignment = taCenter
    end
  end
  object Memo1: TMemo
    Left = 12
    Top = 290
    Width = 616
    Height = 120
    ReadOnly = True
    WordWrap = True
    ScrollBars = ssVertical
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
  end
  object Panel1: TPanel
    Left = 12
    Top = 418
    Width = 616
    Height = 50
    BevelOuter = bvNone
    Color = 15658734
    Visible = False
    object Label2: TLabel
      Left = 12
      Top = 17
      Caption = 'Deseja multar o jogador em 30% do salário?'
      Font.Name = 'Arial'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = clMaroon
      Transparent = True
    end
    object GradButton1: TGradButton
      Left = 388
      Top = 10
      Width = 100
      Height = 30
      Caption = 'Sim'
      ColorScheme = csNeoSky
      OnClick = FineClick
    end
    object GradButton2: TGradButton
      Left = 500
      Top = 10
      Width = 100
      Height = 30
      Caption = 'Não'
      ColorScheme = csNeoSky
      OnClick = AnswerClick
    end
  end
  object ImageList1: TImageList
    Width = 16
    Height = 16
  end
end

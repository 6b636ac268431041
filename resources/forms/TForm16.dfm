object Form16: TForm16
  Caption = 'Carreira do jogador'
  ClientWidth = 760
  ClientHeight = 520
  BorderStyle = bsDialog
  Position = poDesktopCenter
  KeyPreview = True
  OnCreate = FormCreate
  object RichLabel1: TRichLabel
    Left = 8
    Top = 8
    Width = 744
    Height = 28
  end
  object RichLabel2: TRichLabel
    Left = 8
    Top = 44
    Width = 360
    Height = 22
  end
  object RichLabel3: TRichLabel
    Left = 392
    Top = 44
    Width = 360
    Height = 22
  end
  object infojt: TDcSmoothPanel
    Left = 8
    Top = 68
    Width = 360
    Height = 400
    Fill.Color = 16775408
    Fill.ColorTo = 16762250
    Fill.GradientType = gtVertical
    Fill.BorderColor = clNavy
    Fill.Rounding = 6
    Fill.ShadowOffset = 2
    Caption.HTMLLocation = plTopLeft
    Caption.HTMLFont.Name = 'Arial'
    Caption.HTMLFont.Height = -12
    Caption.HTMLFont.Color = clBlack
  end
  object GradButton3: TGradButton
    Left = 8
    Top = 476
    Width = 48
    Height = 28
    Caption = '<<'
    ColorScheme = csNeoSilver
    Visible = False
    OnClick = GradButton3Click
  end
  object GradButton2: TGradButton
    Left = 320
    Top = 476
    Width = 48
    Height = 28
    Caption = '>>'
    ColorScheme = csNeoSilver
    Visible = False
    OnClick = GradButton2Click
  end
  object gridview1: TDataGrid
    Left = 392
    Top = 68
    Width = 360
    Height = 400
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 18
    SelectionColor = clGreen
    OnCellDblClick = gridview1DblClick
    object colid: TDgNumberColumn
      Position = 0
      Visible = False
    end
    object coldata: TDgTextColumn
      Header.Caption = 'Data'
      Position = 1
      Width = 72
      SortType = stDate
    end
    object coljogo: TDgTextColumn
      Header.Caption = 'Jogo'
      Position = 2
      Width = 226
    end
    object colnota: TDgTextColumn
      Header.Caption = 'Nota'
      Position = 3
      Width = 40
      Alignment = taCenter
    end
  end
  object GradButton1: TGradButton
    Left = 704
    Top = 480
    Width = 48
    Height = 30
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = GradButton1Click
  end
end

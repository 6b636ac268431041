object Form14: TForm14
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Mercado de transferências'
  ClientWidth = 800
  ClientHeight = 600
  Color = clBlack
  FormStyle = fsStayOnTop
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  Font.Color = clWhite
  OnCreate = FormCreate
  OnClose = FormClose
  OnPaint = FormPaint
  OnKeyDown = FormKeyDown
  object DataGrid1: TDataGrid
    Left = 8
    Top = 8
    Width = 200
    Height = 584
    AppearanceOptions = [aoHideFocus]
    Options = [goSelectFullRow, goDisableColumnMoving]
    RowSize = 18
    SelectionColor = clNavy
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clBlack
    OnSelectCell = DataGrid1SelectCell
    object treeimg: TDgImageColumn
      Position = 0
      Visible = False
    end
    object treetree: TDgTreeColumn
      Position = 1
      Width = 180
    end
    object treeid: TDgTextColumn
      Position = 2
      Visible = False
    end
  end
  object mainpanel: TPanel
    Left = 216
    Top = 8
    Width = 576
    Height = 112
    BevelOuter = bvNone
    Color = clBlack
    object escudo: TImage
      Left = 8
      Top = 8
      Width = 72
      Height = 72
      Center = True
      Proportional = True
      Stretch = True
      Transparent = True
    end
    object Label4: TLabel
      Left = 90
      Top = 6
      Caption = 'Clube'
      Font.Name = 'Arial'
      Font.Height = -21
      Font.Style = [fsBold]
      Font.Color = clWhite
      Transparent = True
    end
    object Image7: TImage
      Left = 300
      Top = 12
      Width = 24
      Height = 16
      ShowHint = True
      Stretch = True
    end
    object Label3: TLabel
      Left = 90
      Top = 36
      Caption = '(técnico interino)'
      Font.Name = 'Arial'
      Font.Height = -13
      Font.Color = clYellow
      Transparent = True
      OnClick = Label3Click
    end
    object Label5: TLabel
      Left = 90
      Top = 56
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = clWhite
      Transparent = True
    end
    object Label2: TLabel
      Left = 380
      Top = 8
      Caption = 'Confiança da torcida:'
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clWhite
      Transparent = True
    end
    object gp2: TProgressCyl
      Left = 380
      Top = 24
      Width = 188
      Height = 18
    end
    object Label8: TLabel
      Left = 380
      Top = 46
      Caption = 'Confiança da diretoria:'
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clWhite
      Transparent = True
    end
    object gp1: TProgressCyl
      Left = 380
      Top = 62
      Width = 188
      Height = 18
    end
    object Image2: TImage
      Left = 90
      Top = 88
      Width = 16
      Height = 16
      OnClick = Label11Click
    end
    object Label11: TLabel
      Left = 110
      Top = 89
      Caption = 'Retrospecto'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = clWhite
      Transparent = True
      OnClick = Label11Click
    end
    object Image3: TImage
      Left = 200
      Top = 88
      Width = 16
      Height = 16
      OnClick = Image3Click
    end
    object Label12: TLabel
      Left = 220
      Top = 89
      Caption = 'Calendário'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = clWhite
      Transparent = True
      OnClick = Image3Click
    end
    object Image5: TImage
      Left = 300
      Top = 88
      Width = 16
      Height = 16
      OnClick = Image5Click
    end
    object Label26: TLabel
      Left = 320
      Top = 89
      Caption = 'Transfers'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = clWhite
      Transparent = True
      OnClick = Label26Click
    end
    object Image6: TImage
      Left = 400
      Top = 88
      Width = 16
      Height = 16
      OnClick = Image6Click
    end
    object Label28: TLabel
      Left = 420
      Top = 89
      Caption = 'Troféus'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = clWhite
      Transparent = True
      OnClick = Label28Click
    end
  end
  object joglist: TDataGrid
    Left = 216
    Top = 126
    Width = 576
    Height = 286
    AppearanceOptions = [aoHideFocus]
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    RowSize = 18
    SelectionColor = clNavy
    PopupMenu = PopupMenu1
    ShowHint = True
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clBlack
    OnSelectCell = joglistSelectCell
    OnCellColoring = joglistCellColoring
    OnCellFormating = joglistCellFormating
    OnDblClick = joglistDblClick
    object posicaojog: TDgTextColumn
      Header.Caption = 'P'
      Position = 0
      Width = 18
      Alignment = taCenter
    end
    object collado: TDgTextColumn
      Header.Caption = 'L'
      Position = 1
      Width = 18
      Alignment = taCenter
    end
    object id: TDgNumberColumn
      Position = 2
      Visible = False
    end
    object status: TDgImageColumn
      Position = 3
      Width = 20
    end
    object paisjog: TDgImageColumn
      Position = 4
      Width = 26
    end
    object nomejog: TDgTextColumn
      Header.Caption = 'Nome'
      Position = 5
      Width = 116
    end
    object forca: TDgNumberColumn
      Header.Caption = 'F'
      Position = 6
      Width = 24
    end
    object energia: TDgTextColumn
      Header.Caption = 'E'
      Position = 7
      Width = 36
      Alignment = taRightJustify
    end
    object passe: TDgTextColumn
      Header.Caption = 'Passe'
      Position = 8
      Width = 56
      Alignment = taRightJustify
    end
    object salario: TDgTextColumn
      Header.Caption = 'salario'
      Position = 9
      Width = 60
      Alignment = taRightJustify
    end
    object idade: TDgNumberColumn
      Header.Caption = 'I'
      Position = 10
      Width = 22
    end
    object gols: TDgNumberColumn
      Header.Caption = 'G'
      Position = 11
      Width = 26
    end
    object habilidadejog: TDgTextColumn
      Header.Caption = 'Habil.'
      Position = 12
      Width = 50
    end
    object avenda: TDgImageColumn
      Header.Caption = 'Vda'
      Position = 13
      Width = 28
    end
    object colemp: TDgImageColumn
      Header.Caption = 'Emp'
      Position = 14
      Width = 28
    end
  end
  object infojt: TDcSmoothPanel
    Left = 216
    Top = 418
    Width = 370
    Height = 150
    Fill.Color = 4210752
    Fill.ColorTo = 2105376
    Fill.GradientType = gtVertical
    Fill.BorderColor = clSilver
    Fill.Rounding = 6
    Fill.ShadowOffset = 2
    Caption.HTMLLocation = plTopLeft
    Caption.HTMLFont.Name = 'Arial'
    Caption.HTMLFont.Height = -12
    Caption.HTMLFont.Color = clWhite
    Caption.HTMLShadowColor = clBlack
    Caption.HTMLShadowOffset = 1
    object Image1: TImage
      Left = 336
      Top = 6
      Width = 24
      Height = 16
      Stretch = True
    end
    object Image13: TImage
      Left = 340
      Top = 124
      Width = 20
      Height = 20
      Hint = 'Histórico confrontos'
      ShowHint = True
      OnClick = Image13Click
    end
    object Image4: TImage
      Left = 340
      Top = 124
      Width = 20
      Height = 20
      Hint = 'Histórico confrontos'
      ShowHint = True
      Visible = False
      OnClick = Image4Click
    end
    object GradButton2: TGradButton
      Left = 210
      Top = 122
      Width = 124
      Height = 22
      Caption = 'Histórico Completo'
      ColorScheme = csNeoSilver
      OnClick = GradButton2Click
    end
  end
  object Label21: TLabel
    Left = 594
    Top = 418
    Caption = 'Dinheiro em caixa do seu time'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label22: TRichLabel
    Left = 594
    Top = 434
    Width = 198
    Height = 32
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clGreen
  end
  object bt1: TGradButton
    Left = 594
    Top = 470
    Width = 198
    Height = 26
    Caption = 'Comprar'
    ColorScheme = csNeoGrass
    Enabled = False
    OnClick = bt1Click
  end
  object bt2: TGradButton
    Left = 594
    Top = 500
    Width = 198
    Height = 26
    Caption = 'Fazer uma oferta'
    ColorScheme = csNeoSky
    Enabled = False
    OnClick = bt2Click
  end
  object bt4: TGradButton
    Left = 594
    Top = 530
    Width = 198
    Height = 26
    Caption = 'Pegar por empréstimo'
    ColorScheme = csNeoSky
    Enabled = False
    OnClick = bt4Click
  end
  object bt3: TGradButton
    Left = 694
    Top = 564
    Width = 98
    Height = 28
    Caption = 'Fechar'
    ColorScheme = csNeoRose
    OnClick = bt3Click
  end
  object Label27: TRichLabel
    Left = 216
    Top = 572
    Width = 470
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Visible = False
  end
  object PopupMenu1: TPopupMenu
    object Histricodejogos1: TMenuItem
      Caption = 'Histórico de jogos'
      OnClick = Histricodejogos1Click
    end
  end
end

object Form3: TForm3
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Editor de Equipes'
  ClientWidth = 800
  ClientHeight = 600
  Color = 26112
  KeyPreview = True
  OnCreate = FormCreate
  OnClose = FormClose
  OnKeyDown = FormKeyDown
  object xbt1: TGradButton
    Left = 8
    Top = 8
    Width = 110
    Height = 30
    Caption = 'Clubes'
    ColorScheme = csGrass
    OnClick = xbt1Click
  end
  object xbt2: TGradButton
    Left = 124
    Top = 8
    Width = 110
    Height = 30
    Caption = 'Sele'#231#245'es'
    ColorScheme = csSilver
    OnClick = xbt2Click
    OnDragOver = xbt2DragOver
    OnDragDrop = xbt2DragDrop
  end
  object Image5: TImage
    Left = 250
    Top = 6
    Width = 34
    Height = 34
    Center = True
    Proportional = True
    Hint = 'Adicionar equipe'
    ShowHint = True
    Cursor = crHandPoint
    OnClick = Image5Click
  end
  object Image6: TImage
    Left = 290
    Top = 6
    Width = 34
    Height = 34
    Center = True
    Proportional = True
    Hint = 'Editar equipe'
    ShowHint = True
    Cursor = crHandPoint
    OnClick = Image6Click
  end
  object Image7: TImage
    Left = 330
    Top = 6
    Width = 34
    Height = 34
    Center = True
    Proportional = True
    Hint = 'Excluir clube'
    ShowHint = True
    Cursor = crHandPoint
    OnClick = Image7Click
  end
  object Image9: TImage
    Left = 716
    Top = 6
    Width = 34
    Height = 34
    Center = True
    Proportional = True
    Hint = 'Voltar ao menu'
    ShowHint = True
    Cursor = crHandPoint
    OnClick = Image9Click
  end
  object Image8: TImage
    Left = 756
    Top = 6
    Width = 34
    Height = 34
    Center = True
    Proportional = True
    Hint = 'Sair do jogo'
    ShowHint = True
    Cursor = crHandPoint
    OnClick = Image8Click
  end
  object gridtimes: TDataGrid
    Left = 8
    Top = 46
    Width = 300
    Height = 546
    Options = [goHeader, goSelectFullRow, goGrid]
    ReadOnly = True
    RowSize = 20
    Font.Name = 'Arial'
    Font.Height = -12
    object id: TDgNumberColumn
      Position = 0
      Width = 40
      Visible = False
    end
    object clube: TDgTextColumn
      Position = 1
      Width = 118
      Header.Caption = 'Clube'
      Options = [coCanClick, coCanSort]
    end
    object paisimg: TDgImageColumn
      Position = 2
      Width = 26
      Options = [coCanClick, coCanSort]
    end
    object paisnome: TDgTextColumn
      Position = 3
      Width = 84
      Header.Caption = 'Pa'#237's'
      Options = [coCanClick, coCanSort]
    end
    object nivel: TDgNumberColumn
      Position = 4
      Width = 44
      Header.Caption = 'N'#237'vel'
      Options = [coCanClick, coCanSort]
    end
  end
  object gridselecoes: TDataGrid
    Left = 8
    Top = 46
    Width = 300
    Height = 546
    Options = [goHeader, goSelectFullRow, goGrid]
    ReadOnly = True
    RowSize = 20
    Font.Name = 'Arial'
    Font.Height = -12
    Visible = False
    object idsel: TDgNumberColumn
      Position = 0
      Width = 40
      Visible = False
    end
    object paisimg2: TDgImageColumn
      Position = 1
      Width = 26
    end
    object selnome: TDgTextColumn
      Position = 2
      Width = 190
      Header.Caption = 'Sele'#231#227'o Nacional'
    end
    object selnivel: TDgNumberColumn
      Position = 3
      Width = 60
      Header.Caption = 'N'#237'vel'
    end
  end
  object Panel1: TPanel
    Left = 316
    Top = 46
    Width = 476
    Height = 546
    BevelOuter = bvNone
    Color = clWhite
    Font.Name = 'Arial'
    Font.Height = -12
    object Label1: TLabel
      Left = 96
      Top = 8
      Caption = 'Nome completo'
      Font.Name = 'Arial'
      Font.Height = -19
      Font.Style = [fsBold]
      Transparent = True
      Cursor = crHandPoint
      OnClick = Label1Click
    end
    object Label4: TLabel
      Left = 96
      Top = 34
      Caption = 'Nome'
      Font.Name = 'Arial'
      Font.Height = -15
      Font.Style = [fsBold]
      Transparent = True
      Cursor = crHandPoint
      OnClick = Label4Click
    end
    object Label5: TLabel
      Left = 96
      Top = 60
      Caption = 'T'#233'cnico:'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Style = [fsBold]
      Transparent = True
    end
    object Label6: TLabel
      Left = 160
      Top = 60
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -12
      Transparent = True
      Cursor = crHandPoint
      OnClick = Label6Click
    end
    object Label10: TLabel
      Left = 96
      Top = 78
      Caption = 'Est'#225'dio:'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Style = [fsBold]
      Transparent = True
    end
    object Label11: TLabel
      Left = 160
      Top = 78
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -12
      Transparent = True
      Cursor = crHandPoint
      OnClick = Label11Click
    end
    object Label7: TLabel
      Left = 96
      Top = 96
      Caption = 'N'#237'vel inicial:'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Style = [fsBold]
      Transparent = True
    end
    object Label8: TLabel
      Left = 190
      Top = 96
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -12
      Transparent = True
      Cursor = crHandPoint
      OnClick = Label8Click
    end
    object Label9: TLabel
      Left = 330
      Top = 100
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Style = [fsBold]
      Transparent = True
    end
    object Label12: TLabel
      Left = 330
      Top = 120
      Caption = ''
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Style = [fsBold]
      Transparent = True
    end
    object Image1: TImage
      Left = 8
      Top = 8
      Width = 80
      Height = 80
      Center = True
      Proportional = True
      Hint = 'Clique para selecionar'
      ShowHint = True
      Cursor = crHandPoint
      OnMouseDown = Image1MouseDown
    end
    object Image2: TImage
      Left = 300
      Top = 100
      Width = 20
      Height = 14
      Center = True
      Proportional = True
    end
    object Image3: TImage
      Left = 300
      Top = 120
      Width = 20
      Height = 14
      Cursor = crHandPoint
      OnClick = Image3Click
    end
    object Grid1: TDataGrid
      Left = 8
      Top = 144
      Width = 460
      Height = 350
      Options = [goHeader, goSelectFullRow, goGrid]
      ReadOnly = True
      RowSize = 20
      ParentFont = False
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = clBlack
      PopupMenu = PopupMenu1
      object idjog: TDgNumberColumn
        Position = 0
        Width = 30
        Visible = False
      end
      object status: TDgImageColumn
        Position = 1
        Width = 22
      end
      object estrela: TDgImageColumn
        Position = 2
        Width = 22
      end
      object nome: TDgTextColumn
        Position = 3
        Width = 128
        Header.Caption = 'Nome'
      end
      object posicaojog: TDgTextColumn
        Position = 4
        Width = 86
        Header.Caption = 'Posi'#231#227'o'
      end
      object paisjog: TDgImageColumn
        Position = 5
        Width = 34
        Header.Caption = 'Pa'#237's'
      end
      object idade: TDgNumberColumn
        Position = 6
        Width = 40
        Header.Caption = 'Idade'
      end
      object habilidadejog: TDgTextColumn
        Position = 7
        Width = 76
        Header.Caption = 'Carac.'
      end
      object collado: TDgTextColumn
        Position = 8
        Width = 34
        Header.Caption = 'Lado'
      end
    end
    object Label13: TLabel
      Left = 8
      Top = 500
      Caption = 'Total:0 jogadores'
      Transparent = True
    end
    object Label15: TLabel
      Left = 160
      Top = 500
      Caption = 'Titulares:'
      Transparent = True
    end
    object Label14: TLabel
      Left = 222
      Top = 500
      Caption = '0'
      Transparent = True
    end
    object Image10: TImage
      Left = 360
      Top = 500
      Width = 32
      Height = 32
      Center = True
      Proportional = True
      Hint = 'Adicionar jogador'
      ShowHint = True
      Cursor = crHandPoint
      OnClick = Image10Click
    end
    object Image11: TImage
      Left = 398
      Top = 500
      Width = 32
      Height = 32
      Center = True
      Proportional = True
      Hint = 'Editar jogador'
      ShowHint = True
      Cursor = crHandPoint
      OnClick = Image11Click
    end
    object Image12: TImage
      Left = 436
      Top = 500
      Width = 32
      Height = 32
      Center = True
      Proportional = True
      Hint = 'Deletar jogador'
      ShowHint = True
      Cursor = crHandPoint
      OnClick = Image12Click
    end
  end
  object PopupMenu1: TPopupMenu
    object N1: TMenuItem
      Caption = 'Adicionar jogador'
      OnClick = Image10Click
    end
    object N2: TMenuItem
      Caption = 'Deletar Jogador'
      OnClick = Image12Click
    end
    object N3: TMenuItem
      Caption = '-'
    end
    object N4: TMenuItem
      Caption = 'Editar Jogador'
      OnClick = Image11Click
    end
    object N5: TMenuItem
      Caption = '-'
    end
    object N6: TMenuItem
      Caption = 'Transferir jogador'
      OnClick = N6Click
    end
  end
  object ImageList1: TImageList
    Width = 16
    Height = 16
  end
  object bandeiras: TImageList
    Width = 20
    Height = 14
  end
  object estados: TImageList
    Width = 20
    Height = 14
  end
end

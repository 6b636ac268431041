object Form77: TForm77
  BorderStyle = bsDialog
  Caption = 'Busca de jogadores para convocação'
  ClientWidth = 790
  ClientHeight = 560
  Color = clWhite
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnCreate = FormCreate
  OnClose = FormClose
  object Shape1: TShape
    Left = 0
    Top = 0
    Width = 790
    Height = 112
    Brush.Color = $00306A30
    Pen.Style = psClear
  end
  object Label1: TLabel
    Left = 10
    Top = 8
    Caption = 'Posição:'
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object c2: TComboBox
    Left = 10
    Top = 24
    Width = 110
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label2: TLabel
    Left = 130
    Top = 8
    Caption = 'Força:'
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object c1: TComboBox
    Left = 130
    Top = 24
    Width = 90
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label3: TLabel
    Left = 230
    Top = 8
    Caption = 'Idade:'
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object c3: TComboBox
    Left = 230
    Top = 24
    Width = 80
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label4: TLabel
    Left = 320
    Top = 8
    Caption = 'Valor:'
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object c4: TComboBox
    Left = 320
    Top = 24
    Width = 160
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label5: TLabel
    Left = 490
    Top = 8
    Caption = 'Característica 1:'
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object c5: TComboBox
    Left = 490
    Top = 24
    Width = 140
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label6: TLabel
    Left = 640
    Top = 8
    Caption = 'Característica 2:'
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object c6: TComboBox
    Left = 640
    Top = 24
    Width = 140
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label7: TLabel
    Left = 10
    Top = 58
    Caption = 'Nome: (deixe em branco para qualquer)'
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object Edit1: TEdit
    Left = 10
    Top = 74
    Width = 220
  end
  object ckestrela: TCheckBox
    Left = 246
    Top = 76
    Width = 170
    Height = 20
    Caption = 'Só mostrar estrelas'
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = clWhite
  end
  object GradButton3: TGradButton
    Left = 430
    Top = 70
    Width = 110
    Height = 30
    Caption = 'Procurar'
    ColorScheme = csNeoSky
    OnClick = GradButton3Click
  end
  object Label9: TLabel
    Left = 556
    Top = 78
    Width = 224
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clYellow
    Transparent = True
  end
  object gfind: TDataGrid
    Left = 10
    Top = 122
    Width = 468
    Height = 352
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 18
    SelectionColor = clGreen
    ShowHint = True
    OnSelectCell = gfindSelectCell
    object colimg: TDgImageColumn
      Position = 0
      Width = 18
    end
    object colposicao: TDgTextColumn
      Header.Caption = 'P'
      Position = 1
      Width = 18
    end
    object collado: TDgTextColumn
      Header.Caption = 'L'
      Position = 2
      Width = 18
    end
    object colnome: TDgTextColumn
      Header.Caption = 'Jogador'
      Position = 3
      Width = 134
      Font.Style = [fsBold]
    end
    object colclube: TDgTextColumn
      Header.Caption = 'Clube'
      Position = 4
      Width = 134
    end
    object colforca: TDgNumberColumn
      Header.Caption = 'Força'
      Position = 5
      Width = 36
    end
    object colidade: TDgNumberColumn
      Header.Caption = 'Idade'
      Position = 6
      Width = 34
    end
    object colhabilidade: TDgTextColumn
      Header.Caption = 'Carac.'
      Position = 7
      Width = 54
    end
    object colid: TDgNumberColumn
      Position = 8
      Width = 40
      Visible = False
    end
  end
  object GradButton1: TGradButton
    Left = 486
    Top = 250
    Width = 40
    Height = 30
    Caption = '>>'
    ColorScheme = csNeoSky
    Enabled = False
    OnClick = GradButton1Click
  end
  object GradButton2: TGradButton
    Left = 486
    Top = 290
    Width = 40
    Height = 30
    Caption = '<<'
    ColorScheme = csNeoSky
    Enabled = False
    OnClick = GradButton2Click
  end
  object gsel: TDataGrid
    Left = 530
    Top = 122
    Width = 252
    Height = 352
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 18
    SelectionColor = clGreen
    OnSelectCell = gselSelectCell
    object colimg2: TDgImageColumn
      Position = 0
      Width = 18
    end
    object colposicao2: TDgTextColumn
      Header.Caption = 'P'
      Position = 1
      Width = 18
    end
    object collado2: TDgTextColumn
      Header.Caption = 'L'
      Position = 2
      Width = 18
    end
    object colnome2: TDgTextColumn
      Header.Caption = 'Jogador'
      Position = 3
      Width = 122
      Font.Style = [fsBold]
    end
    object colforca2: TDgNumberColumn
      Header.Caption = 'Força'
      Position = 4
      Width = 34
    end
    object colidade2: TDgNumberColumn
      Header.Caption = 'I'
      Position = 5
      Width = 22
    end
    object colid2: TDgNumberColumn
      Position = 6
      Width = 30
      Visible = False
    end
  end
  object escudo: TImage
    Left = 10
    Top = 484
    Width = 64
    Height = 64
    Center = True
    Proportional = True
    Stretch = True
    Transparent = True
  end
  object Label16: TLabel
    Left = 84
    Top = 486
    Width = 260
    Height = 24
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -18
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label8: TLabel
    Left = 84
    Top = 514
    Width = 420
    Height = 34
    AutoSize = False
    WordWrap = True
    Caption = 'Busque os jogadores e depois clique em ">>" para adiciona-lo na seleção. Você pode convocar até 20 jogadores de linha e 3 goleiros'
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = 4210752
    Transparent = True
  end
  object Label11: TLabel
    Left = 534
    Top = 482
    Caption = 'Goleiros:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label10: TLabel
    Left = 664
    Top = 482
    Width = 40
    Height = 18
    AutoSize = False
    Caption = '0'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label12: TLabel
    Left = 534
    Top = 500
    Caption = 'Jogadores de linha:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label15: TLabel
    Left = 664
    Top = 500
    Width = 40
    Height = 18
    AutoSize = False
    Caption = '0'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object bt2: TGradButton
    Left = 650
    Top = 520
    Width = 130
    Height = 32
    Caption = 'Continuar >>'
    ColorScheme = csNeoSky
    Enabled = False
    OnClick = bt2Click
  end
  object ImageList1: TImageList
    Width = 16
    Height = 16
  end
end

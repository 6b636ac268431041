object Form27: TForm27
  Caption = 'Busca de jogadores'
  ClientWidth = 790
  ClientHeight = 580
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  object ckpais: TCheckBox
    Left = 8
    Top = 9
    Width = 250
    Height = 20
    Caption = 'Só mostrar jogadores atuando no(a):'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Checked = True
  end
  object combopais: TComboBoxEx
    Left = 262
    Top = 8
    Width = 150
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label1: TLabel
    Left = 424
    Top = 11
    Caption = 'Nome:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Edit1: TEdit
    Left = 466
    Top = 8
    Width = 130
    Height = 22
    MaxLength = 20
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
  end
  object Label10: TLabel
    Left = 602
    Top = 12
    Caption = '(deixe em branco para qualquer)'
    Font.Name = 'Arial'
    Font.Height = -10
    Font.Style = []
    Font.Color = clNavy
    Transparent = True
  end
  object Label2: TLabel
    Left = 8
    Top = 45
    Caption = 'Posição:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object c2: TComboBox
    Left = 66
    Top = 42
    Width = 110
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    Items.Strings = (
      'Goleiro'
      'Lateral'
      'Zagueiro'
      'Meio Campo'
      'Atacante'
      'Qualquer')
  end
  object Label3: TLabel
    Left = 190
    Top = 45
    Caption = 'Força:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object c1: TComboBox
    Left = 236
    Top = 42
    Width = 90
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    Items.Strings = (
      '1..10'
      '11..30'
      '31..50'
      '51..100'
      'Qualquer')
  end
  object Label4: TLabel
    Left = 340
    Top = 45
    Caption = 'Idade:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object c3: TComboBox
    Left = 386
    Top = 42
    Width = 90
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    Items.Strings = (
      '16..25'
      '26..36'
      '37>'
      'Qualquer')
  end
  object Label5: TLabel
    Left = 490
    Top = 45
    Caption = 'Valor:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object c4: TComboBox
    Left = 534
    Top = 42
    Width = 170
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    Items.Strings = (
      '1 mil => 100 mil'
      '101 mil => 500 mil'
      '501 mil => 1 milhão '
      '1 milhão => 3 milhões'
      '3 milhões => 5 milhões'
      '5 milhões => 10 milhões'
      'mais 10 milhões'
      'Qualquer')
  end
  object Label6: TLabel
    Left = 8
    Top = 79
    Caption = 'Característica 1:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object c5: TComboBox
    Left = 120
    Top = 76
    Width = 130
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label7: TLabel
    Left = 264
    Top = 79
    Caption = 'Característica 2:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object c6: TComboBox
    Left = 376
    Top = 76
    Width = 130
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label8: TLabel
    Left = 520
    Top = 79
    Caption = 'Nacionalidade:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object c7: TComboBoxEx
    Left = 616
    Top = 76
    Width = 166
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
  end
  object ckavenda: TCheckBox
    Left = 8
    Top = 110
    Width = 210
    Height = 20
    Caption = 'Só mostrar jogadores à venda'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
  end
  object ckemp: TCheckBox
    Left = 226
    Top = 110
    Width = 270
    Height = 20
    Caption = 'Só mostrar disponíveis para empréstimo'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
  end
  object ckestrela: TCheckBox
    Left = 502
    Top = 110
    Width = 240
    Height = 20
    Caption = 'Só mostrar jogadores com estrela'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
  end
  object button2: TGradButton
    Left = 662
    Top = 134
    Width = 120
    Height = 28
    Caption = 'Procurar'
    ColorScheme = csNeoGrass
    OnClick = button2Click
  end
  object Label9: TLabel
    Left = 8
    Top = 142
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
  object gfind: TDataGrid
    Left = 8
    Top = 168
    Width = 774
    Height = 364
    AppearanceOptions = [aoHideFocus]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 18
    SelectionColor = clNavy
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clBlack
    OnHeaderClick = gfindHeaderClick
    OnCellDblClick = gfindDblClick
    object colpais: TDgImageColumn
      Position = 0
      Width = 26
    end
    object colimg: TDgImageColumn
      Position = 1
      Width = 22
    end
    object colnome: TDgTextColumn
      Header.Caption = 'Jogador'
      Position = 2
      Width = 120
      Font.Style = [fsBold]
    end
    object colclube: TDgTextColumn
      Header.Caption = 'Clube'
      Position = 3
      Width = 110
    end
    object colposicao: TDgTextColumn
      Header.Caption = 'Posição'
      Position = 4
      Width = 72
    end
    object collado: TDgTextColumn
      Header.Caption = 'L'
      Position = 5
      Width = 20
      Alignment = taCenter
    end
    object colforca: TDgNumberColumn
      Header.Caption = 'Força'
      Position = 6
      Width = 40
    end
    object colidade: TDgNumberColumn
      Header.Caption = 'Idade'
      Position = 7
      Width = 40
    end
    object colsalario: TDgTextColumn
      Header.Caption = 'Salário'
      Position = 8
      Width = 70
      Alignment = taRightJustify
    end
    object colpasse: TDgTextColumn
      Header.Caption = 'Passe'
      Position = 9
      Width = 76
      Alignment = taRightJustify
      Options = [coCanClick]
    end
    object colhabilidade: TDgTextColumn
      Header.Caption = 'Características'
      Position = 10
      Width = 84
    end
    object colavenda: TDgImageColumn
      Header.Caption = 'A venda'
      Position = 11
      Width = 48
    end
    object colid: TDgNumberColumn
      Position = 12
      Visible = False
    end
    object colvalortmp: TDgNumberColumn
      Position = 13
      Visible = False
    end
  end
  object bt3: TGradButton
    Left = 682
    Top = 542
    Width = 100
    Height = 30
    Caption = 'Fechar'
    ColorScheme = csNeoRose
    OnClick = bt3Click
  end
  object flags: TImageList
    Width = 20
    Height = 14
  end
  object ImageList1: TImageList
    Width = 16
    Height = 16
  end
end

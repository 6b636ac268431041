object Form87: TForm87
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Escalação e tática'
  ClientWidth = 800
  ClientHeight = 600
  Color = clBlack
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  Font.Color = clWhite
  OnCreate = FormCreate
  OnClose = FormClose
  OnPaint = FormPaint
  object Gradient1: TGradient
    Left = 0
    Top = 0
    Width = 800
    Height = 600
    Align = alClient
    ColorBegin = clYellow
    ColorEnd = clGray
    Style = gsRadialBR
  end
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 465
    Height = 600
    BevelOuter = bvNone
    Color = clGreen
    object Image1: TImage
      Left = 0
      Top = 0
      Width = 465
      Height = 600
    end
    object Image3: TImage
      Left = 0
      Top = 0
      Width = 465
      Height = 600
      Transparent = True
      Visible = False
      OnDragOver = Image1DragOver
      OnDragDrop = Image1DragDrop
    end
  end
  object Label2: TLabel
    Left = 472
    Top = 6
    Width = 320
    Height = 16
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 8454143
    Transparent = True
  end
  object Panel2: TPanel
    Left = 468
    Top = 26
    Width = 330
    Height = 330
    BevelOuter = bvNone
    object gridview1: TDataGrid
      Left = 0
      Top = 0
      Width = 330
      Height = 330
      Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
      GridLinesStyle = lsVerticalOnly
      HeaderSize = 20
      RowSize = 20
      SelectionColor = clNavy
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clBlack
      OnMouseDown = gridview1MouseDown
      OnStartDrag = gridview1StartDrag
      OnDragOver = gridview1DragOver
      OnSelectCell = gridview1SelectCell
      OnCellColoring = gridview1CellColoring
      object id: TDgNumberColumn
        Position = 0
        Visible = False
      end
      object status: TDgImageColumn
        Position = 1
        Width = 22
      end
      object posicaojog: TDgTextColumn
        Header.Caption = 'P'
        Position = 2
        Width = 14
        Alignment = taCenter
      end
      object condicao: TDgImageColumn
        Position = 3
        Width = 16
      end
      object nome: TDgTextColumn
        Header.Caption = 'Nome'
        Position = 4
        Width = 88
      end
      object funcaojog: TDgTextColumn
        Header.Caption = 'Função'
        Position = 5
        Visible = False
      end
      object forca: TDgNumberColumn
        Header.Caption = 'F'
        Position = 6
        Width = 18
      end
      object energia: TDgProgressColumn
        Header.Caption = 'Energia'
        Position = 7
        Width = 40
      end
      object lado: TDgTextColumn
        Header.Caption = 'Lado'
        Position = 8
        Width = 26
        Alignment = taCenter
      end
      object passe: TDgTextColumn
        Header.Caption = 'Passe'
        Position = 9
        Visible = False
      end
      object gols: TDgNumberColumn
        Header.Caption = 'G'
        Position = 10
        Width = 14
      end
      object habilidades: TDgTextColumn
        Header.Caption = 'Car.'
        Position = 11
        Width = 50
      end
      object idade: TDgNumberColumn
        Header.Caption = 'I'
        Position = 12
        Width = 20
      end
      object moral: TDgImageColumn
        Header.Caption = 'M'
        Position = 13
        Visible = False
      end
      object passet: TDgNumberColumn
        Position = 14
        Visible = False
      end
      object salariot: TDgNumberColumn
        Position = 15
        Visible = False
      end
      object colstatus: TDgTextColumn
        Position = 16
        Visible = False
      end
    end
  end
  object Label3: TLabel
    Left = 472
    Top = 366
    Caption = 'Seleção tática automática'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object combtat: TDcComboBox
    Left = 628
    Top = 362
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    DropDownCount = 10
    Items.Strings = (
      '5-4-1'
      '5-3-2'
      '4-5-1'
      '4-4-2'
      '4-4-2 Def.'
      '4-4-2 Ofen.'
      '4-3-3'
      '4-3-3 Def.'
      '3-5-2'
      '3-4-3')
    OnChange = combtatClick
  end
  object Label4: TLabel
    Left = 472
    Top = 396
    Caption = 'Estilo de jogo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object comboej: TDcComboBox
    Left = 628
    Top = 392
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    Items.Strings = (
      'Jogo equilibrado'
      'Ataque total'
      'Contra-ataque (retranca)')
    OnChange = comboejClick
  end
  object Label5: TLabel
    Left = 472
    Top = 426
    Caption = 'Concentrar ataques:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object combo_cataq: TDcComboBox
    Left = 628
    Top = 422
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    Items.Strings = (
      'Pelo meio'
      'Pelas laterais')
    OnChange = combo_cataqChange
  end
  object Label6: TLabel
    Left = 472
    Top = 456
    Caption = 'Tipo da marcação:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object combomarc: TDcComboBox
    Left = 628
    Top = 452
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    Items.Strings = (
      'Leve'
      'Pesada'
      'Muito pesada')
    OnChange = combomarcChange
  end
  object Label7: TLabel
    Left = 472
    Top = 486
    Caption = 'Cobrança faltas:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object combo2: TDcComboBox
    Left = 628
    Top = 482
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    DropDownCount = 12
    OnChange = combo2Change
  end
  object Label8: TLabel
    Left = 472
    Top = 516
    Caption = 'Capitão:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 3223857
    Transparent = True
  end
  object combo1: TDcComboBox
    Left = 628
    Top = 512
    Width = 166
    Height = 22
    Style = csDropDownList
    Flat = True
    Color = 3379527
    FlatLineColor = 3379527
    FocusBorderColor = 3379527
    FocusColor = 3379527
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clYellow
    DropDownCount = 12
    OnChange = combo1Change
  end
  object ckescalacao: TCheckBox
    Left = 472
    Top = 542
    Width = 150
    Height = 18
    Caption = 'Salvar escalação'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 3223857
    OnClick = ckescalacaoClick
  end
  object bt_voltar: TDcGlowButton
    Left = 472
    Top = 564
    Width = 150
    Height = 30
    Caption = '<< Administrar Time '
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = 3223857
    ParentFont = False
    Position = bpLeft
    OnClick = bt_voltarClick
  end
  object bt_irprojogo: TDcGlowButton
    Left = 640
    Top = 556
    Width = 154
    Height = 38
    Caption = 'Jogar >>'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = 3223857
    ParentFont = False
    Position = bpLeft
    Appearance.Color = 15662574
    Appearance.BorderColorHot = clGreen
    Appearance.BorderColorDown = clGreen
    Appearance.BorderColorChecked = clGreen
    Picture.Data = {
      89504E470D0A1A0A0000000D49484452000000100000001008060000001FF3FF
      61000001C64944415478DA9D53CDAAB1611435F886AEC1151C25034C98204A4A
      24F92B1323921B9022039760741828460CA40C78A548464AA44C48495C82C13A
      D6EE78F31EE79CEFEB7B6AD5EE79F6DA3F6BEF47A7FBE198CD66FD1D6F9FD0EB
      FEF5DC9DBD77281E8FE7964AA540D0E61DDF7E23FEB9E3DD6834A256ABE17ABD
      62381C0A68F38E6FF4A1EF7701DE43A11082C1200E878390DAEDB68036EFF846
      1FFABE949D4C26713E9FC5F981E700C4E572C1F178443C1E87A61DF6371E8F35
      64A2D56A091EE4D3E984FD7E8F5EAFC7008AAA3645EA743A884422A856AB984C
      26188D46B0D96C02DA8AA2A052A9201C0EA35EAFC3E572DD643A1C13956616B6
      40D14AA5120C068306854201DD6E17ABD50ACBE512D1689455BC49000AF3B57F
      AFD7AB92DD6E3776BB1DD6EBB590E7F339FC7EBF1A406F32996E3E9F4F132093
      C9C06AB5C262B1209D4EABE4C56201A7D30972D405A3201CD1834C91F2F9BC08
      C6CCD96C168D4643C8D3E954AA53457C8C31168B491BDBED168944029BCD462D
      7B369B89C0FD7E5F340A040278D94A2E47B95C964C83C140D33333379B4D9950
      2E977B5DA4E755E6923013C90C582C16A56C06669B3FAEF2D7CFE470386EDC7D
      C26EB7FFFD33FDEF77FE006DFBC8B9469969200000000049454E44AE426082}
    OnClick = bt_irprojogoClick
  end
  object info1: TDcSmoothMessageDialog
    HTMLText.ShadowColor = clBlack
    HTMLText.ShadowOffset = 1
    Caption = 'Escalação'
    Margin = 20
    Position = poOwnerFormCenter
  end
  object ImageList2: TImageList
    Width = 16
    Height = 16
  end
  object ImageList5: TImageList
    Width = 24
    Height = 18
  end
end

object Form32: TForm32
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Opções do jogo'
  ClientWidth = 700
  ClientHeight = 560
  Color = 3355443
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object Label1: TLabel
    Left = 20
    Top = 12
    Caption = 'Opções do jogo'
    Font.Name = 'Arial'
    Font.Height = -22
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Label2: TLabel
    Left = 20
    Top = 57
    Caption = 'Velocidade do Jogo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object ComboBox1: TComboBox
    Left = 290
    Top = 54
    Width = 150
    Style = csDropDownList
    Items.Strings = (
      'Lento'
      'Normal'
      'Rápido'
      'Bem rápido'
      'Super rápido')
  end
  object Label3: TLabel
    Left = 20
    Top = 89
    Caption = 'Velocidade do Jogo sem times humanos:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object ComboBox4: TComboBox
    Left = 290
    Top = 86
    Width = 150
    Style = csDropDownList
    Items.Strings = (
      'Lento'
      'Normal'
      'Rápido'
      'Bem rápido'
      'Super rápido')
  end
  object Label4: TLabel
    Left = 20
    Top = 121
    Caption = 'Salvar automaticamente:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object ComboBox2: TComboBox
    Left = 290
    Top = 118
    Width = 150
    Style = csDropDownList
    Items.Strings = (
      'Não salvar'
      'A cada 3 jogos'
      'A cada jogo'
      'Início do ano')
  end
  object Label5: TLabel
    Left = 20
    Top = 153
    Caption = 'Ver disputas de penaltys não humanas:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object ComboBox3: TComboBox
    Left = 290
    Top = 150
    Width = 150
    Style = csDropDownList
    Items.Strings = (
      'Não'
      'Sim')
  end
  object Label6: TLabel
    Left = 20
    Top = 185
    Caption = 'Mostrar mudança de técnicos:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object ComboBox5: TComboBox
    Left = 290
    Top = 182
    Width = 150
    Style = csDropDownList
    Items.Strings = (
      'Não'
      'Sim')
  end
  object Label7: TLabel
    Left = 20
    Top = 217
    Caption = 'Abrir janela de substituições no intervalo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object ComboBox6: TComboBox
    Left = 290
    Top = 214
    Width = 150
    Style = csDropDownList
    Items.Strings = (
      'Não'
      'Sim')
  end
  object Label8: TLabel
    Left = 20
    Top = 249
    Caption = 'Receber avisos de término de contratos:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object ComboBox7: TComboBox
    Left = 290
    Top = 246
    Width = 150
    Style = csDropDownList
    Items.Strings = (
      'Sim'
      'Só término'
      'Só faltando 3 semanas'
      'Não')
  end
  object cksom: TCheckBox
    Left = 20
    Top = 284
    Width = 400
    Height = 20
    Caption = 'Usar sons nos eventos do jogo'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object cknegrito: TCheckBox
    Left = 20
    Top = 310
    Width = 400
    Height = 20
    Caption = 'Mostrar em negrito os eventos do time da casa'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object ckcor: TCheckBox
    Left = 20
    Top = 336
    Width = 400
    Height = 20
    Caption = 'Usar cores na lista de jogadores'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object ckcontrato: TCheckBox
    Left = 20
    Top = 362
    Width = 400
    Height = 20
    Caption = 'Atualizar automaticamente contratos encerrados'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object Label9: TLabel
    Left = 20
    Top = 397
    Caption = 'Libertadores:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
    Visible = False
  end
  object combo41: TComboBox
    Left = 130
    Top = 394
    Width = 110
    Style = csDropDownList
    Items.Strings = (
      'Ver jogos'
      'Só resultados')
    Visible = False
  end
  object Label10: TLabel
    Left = 250
    Top = 397
    Caption = 'Liga Campeões:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
    Visible = False
  end
  object combo42: TComboBox
    Left = 360
    Top = 394
    Width = 110
    Style = csDropDownList
    Items.Strings = (
      'Ver jogos'
      'Só resultados')
    Visible = False
  end
  object Label11: TLabel
    Left = 20
    Top = 427
    Caption = 'Sul-Americana'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
    Visible = False
  end
  object combo61: TComboBox
    Left = 130
    Top = 424
    Width = 110
    Style = csDropDownList
    Items.Strings = (
      'Ver jogos'
      'Só resultados')
    Visible = False
  end
  object Label12: TLabel
    Left = 250
    Top = 427
    Caption = 'Copa Uefa:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
    Visible = False
  end
  object combo62: TComboBox
    Left = 360
    Top = 424
    Width = 110
    Style = csDropDownList
    Items.Strings = (
      'Ver jogos'
      'Só resultados')
    Visible = False
  end
  object Label13: TLabel
    Left = 470
    Top = 54
    Caption = 'Visualização ligas'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object list1: TDataGrid
    Left = 470
    Top = 74
    Width = 210
    Height = 250
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goDisableColumnMoving]
    RowSize = 20
    object colflag: TDgImageColumn
      Position = 0
      Width = 26
    end
    object coltick: TDgImageColumn
      Position = 1
      Width = 22
    end
    object colpais: TDgTextColumn
      Header.Caption = 'Liga'
      Position = 2
      Width = 140
    end
    object coltimes: TDgTextColumn
      Position = 3
      Visible = False
    end
    object colid: TDgNumberColumn
      Position = 4
      Visible = False
    end
  end
  object Label14: TLabel
    Left = 470
    Top = 330
    Width = 210
    Height = 110
    AutoSize = False
    WordWrap = True
    Caption = 'Obs.: as ligas desmarcadas acontecerão normalmente, mas apenas os resultados e estatísticas serão mostrados no final dos jogos. Ligas com times humanos são sempre visualizadas.'
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = 4202496
    Transparent = True
  end
  object Label15: TLabel
    Left = 520
    Top = 458
    Caption = 'Cores da lista'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Image1: TImage
    Left = 470
    Top = 446
    Width = 40
    Height = 40
    Cursor = crHandPoint
    OnClick = Image1Click
  end
  object GradButton2: TGradButton
    Left = 540
    Top = 516
    Width = 140
    Height = 30
    Caption = 'Fechar'
    OnClick = GradButton2Click
  end
end

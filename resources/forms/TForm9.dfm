object Form9: TForm9
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Novo jogo'
  ClientWidth = 660
  ClientHeight = 540
  Color = 15721434
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 20
    Top = 12
    Caption = 'Novo Jogo'
    Font.Name = 'Arial'
    Font.Height = -24
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object rd1: TRadioButton
    Left = 20
    Top = 52
    Width = 320
    Height = 20
    Caption = 'Jogar campeonatos por países (modo real)'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
  end
  object rd2: TRadioButton
    Left = 340
    Top = 52
    Width = 310
    Height = 20
    Caption = 'Jogar campeonato personalizado (modo fantasia)'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
  end
  object Label2: TLabel
    Left = 20
    Top = 86
    Caption = 'Ligas nacionais:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object list1: TDataGrid
    Left = 20
    Top = 106
    Width = 300
    Height = 360
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
      Header.Caption = 'País'
      Position = 2
      Width = 170
    end
    object coltimes: TDgNumberColumn
      Header.Caption = 'Times'
      Position = 3
      Width = 60
    end
    object colid: TDgNumberColumn
      Position = 4
      Visible = False
    end
  end
  object GradButton3: TGradButton
    Left = 20
    Top = 474
    Width = 110
    Height = 26
    Caption = 'Sel. todas'
  end
  object combo1: TComboBox
    Left = 140
    Top = 474
    Width = 180
    Style = csDropDownList
    Visible = False
  end
  object Label3: TLabel
    Left = 340
    Top = 86
    Caption = 'Sistema de disputa:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object ComboBox1: TComboBox
    Left = 340
    Top = 106
    Width = 300
    Style = csDropDownList
    Items.Strings = (
      'Divisões com 10 times cada'
      'Divisões com 20 times cada')
    ItemIndex = 0
  end
  object Label4: TLabel
    Left = 340
    Top = 140
    Caption = 'Número de técnicos humanos:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object ComboBox2: TComboBox
    Left = 340
    Top = 160
    Width = 80
    Style = csDropDownList
    Items.Strings = (
      '1'
      '2'
      '3'
      '4'
      '5'
      '6')
    ItemIndex = 0
  end
  object Label5: TLabel
    Left = 340
    Top = 198
    Caption = 'Competições:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object ckinter1: TCheckBox
    Left = 340
    Top = 220
    Width = 300
    Height = 22
    Caption = 'Jogar Libertadores'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object ckinter2: TCheckBox
    Left = 340
    Top = 246
    Width = 300
    Height = 22
    Caption = 'Jogar Copa Sul-Americana'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object ckcopa: TCheckBox
    Left = 340
    Top = 272
    Width = 300
    Height = 22
    Caption = 'Jogar Copa'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object ckestadual: TCheckBox
    Left = 340
    Top = 298
    Width = 300
    Height = 22
    Caption = 'Jogar Estaduais'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object ckcopamundo: TCheckBox
    Left = 340
    Top = 324
    Width = 300
    Height = 22
    Caption = 'Jogar Copa do Mundo'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object ckcopa2: TCheckBox
    Left = 360
    Top = 350
    Width = 280
    Height = 22
    Caption = 'Usar grupos reais da Copa de 2010'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object ckeurocopa: TCheckBox
    Left = 340
    Top = 376
    Width = 300
    Height = 22
    Caption = 'Jogar Eurocopa'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object ckcopaamerica: TCheckBox
    Left = 340
    Top = 402
    Width = 300
    Height = 22
    Caption = 'Jogar Copa América'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4202496
  end
  object GradButton1: TGradButton
    Left = 20
    Top = 504
    Width = 160
    Height = 28
    Caption = '<< Voltar ao início'
  end
  object GradButton2: TGradButton
    Left = 480
    Top = 504
    Width = 160
    Height = 28
    Caption = 'Iniciar Jogo >>'
  end
end

object Form67: TForm67
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Resultados da rodada'
  ClientWidth = 800
  ClientHeight = 600
  Color = $306A30
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnClose = FormClose
  OnKeyDown = FormKeyDown
  object lcamp: TLabel
    Left = 16
    Top = 10
    Caption = 'Resultados'
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object grid1: TDataGrid
    Left = 16
    Top = 36
    Width = 360
    Height = 500
    object colreport: TDgNumberColumn
      Position = 0
      Visible = False
    end
    object colescudo1: TDgImageColumn
      Position = 1
      Width = 24
    end
    object colcasa: TDgTextColumn
      Header.Caption = 'Mandante'
      Position = 2
      Width = 118
    end
    object colplacar: TDgTextColumn
      Header.Caption = 'Placar'
      Position = 3
      Width = 44
    end
    object colfora: TDgTextColumn
      Header.Caption = 'Visitante'
      Position = 4
      Width = 118
    end
    object colescudo2: TDgImageColumn
      Position = 5
      Width = 24
    end
  end
  object ImageList1: TImageList
    Width = 18
    Height = 18
  end
  object combo1: TDcComboBox
    Left = 16
    Top = 548
    Width = 240
    Height = 22
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Style = csDropDownList
    Visible = False
    OnChange = combo1Change
  end
  object combopais: TDcComboBox
    Left = 16
    Top = 548
    Width = 240
    Height = 22
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Style = csDropDownList
    Visible = False
    OnChange = combopaisChange
  end
  object Combolib: TDcComboBox
    Left = 16
    Top = 548
    Width = 240
    Height = 22
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Style = csDropDownList
    Visible = False
    OnChange = CombolibChange
  end
  object Label30: TLabel
    Left = 392
    Top = 40
    Width = 150
    Height = 18
    AutoSize = False
    Alignment = taCenter
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label5: TLabel
    Left = 546
    Top = 38
    Width = 56
    Height = 20
    AutoSize = False
    Alignment = taCenter
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label31: TLabel
    Left = 606
    Top = 40
    Width = 150
    Height = 18
    AutoSize = False
    Alignment = taCenter
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label1: TLabel
    Left = 546
    Top = 60
    Width = 56
    Height = 14
    AutoSize = False
    Alignment = taCenter
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clNavy
    Transparent = True
  end
  object Label70: TLabel
    Left = 392
    Top = 78
    Width = 364
    Height = 14
    AutoSize = False
    Alignment = taCenter
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clBlack
    Transparent = True
  end
  object Label8: TLabel
    Left = 392
    Top = 94
    Width = 364
    Height = 14
    AutoSize = False
    Alignment = taCenter
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clBlack
    Transparent = True
  end
  object escalacao1: TRichLabel
    Left = 392
    Top = 116
    Width = 180
    Height = 250
  end
  object escalacao2: TRichLabel
    Left = 580
    Top = 116
    Width = 180
    Height = 250
  end
  object l_gols: TRichLabel
    Left = 392
    Top = 372
    Width = 368
    Height = 90
  end
  object card1: TRichLabel
    Left = 392
    Top = 466
    Width = 180
    Height = 70
  end
  object card2: TRichLabel
    Left = 580
    Top = 466
    Width = 180
    Height = 70
  end
  object bt2: TGradButton
    Left = 400
    Top = 550
    Width = 200
    Height = 32
    Caption = 'Classificação após a rodada'
    ColorScheme = csNeoSilver
    OnClick = bt2Click
  end
  object bt3: TGradButton
    Left = 620
    Top = 550
    Width = 150
    Height = 32
    Caption = 'Continuar >>'
    ColorScheme = csNeoSky
    OnClick = bt3Click
  end
end

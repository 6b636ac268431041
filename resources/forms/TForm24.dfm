object Form24: TForm24
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Renovação de contrato'
  ClientWidth = 400
  ClientHeight = 250
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  OnCreate = FormCreate
  OnClose = FormClose
  object Label1: TLabel
    Left = 16
    Top = 14
    Width = 368
    Height = 22
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 46
    Width = 120
    Height = 18
    AutoSize = False
    Caption = 'Salário atual:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label3: TLabel
    Left = 140
    Top = 46
    Width = 244
    Height = 18
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = 32768
    Transparent = True
  end
  object Label7: TLabel
    Left = 16
    Top = 68
    Width = 368
    Height = 18
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label4: TLabel
    Left = 16
    Top = 102
    Width = 200
    Height = 18
    AutoSize = False
    Caption = 'Salário semanal oferecido:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Edit1: TEdit
    Left = 216
    Top = 98
    Width = 110
    Height = 24
    MaxLength = 7
    OnChange = Edit1Change
  end
  object UpDown1: TUpDown
    Left = 328
    Top = 98
    Width = 18
    Height = 24
    Min = 0
    Max = 9999999
    OnClick = UpDown1Click
  end
  object Label5: TLabel
    Left = 16
    Top = 140
    Width = 200
    Height = 18
    AutoSize = False
    Caption = 'Duração do contrato:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object combom: TComboBox
    Left = 216
    Top = 136
    Width = 130
    Height = 24
    Style = csDropDownList
    Items.Strings = (
      '6 meses'
      '1 ano'
      '2 anos')
  end
  object CHButton1: TGradButton
    Left = 80
    Top = 196
    Width = 100
    Height = 30
    Caption = 'Oferecer'
    ColorScheme = csNeoSky
    Enabled = False
    OnClick = CHButton1Click
  end
  object bt3: TGradButton
    Left = 220
    Top = 196
    Width = 100
    Height = 30
    Caption = 'Cancelar'
    ColorScheme = csNeoSky
    OnClick = bt3Click
  end
end

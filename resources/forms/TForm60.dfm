object Form60: TForm60
  BorderStyle = bsDialog
  Caption = 'Fazer proposta pelo jogador'
  ClientWidth = 380
  ClientHeight = 210
  Color = clBlack
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  OnCreate = FormCreate
  OnShow = FormShow
  OnClose = FormClose
  OnPaint = FormPaint
  object Label1: TLabel
    Left = 16
    Top = 12
    Caption = 'Jogador'
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label5: TLabel
    Left = 16
    Top = 46
    Caption = 'Valor do passe:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 80
    Caption = 'Sua proposta (em milhares de $):'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Transparent = True
  end
  object Edit1: TEdit
    Left = 220
    Top = 76
    Width = 100
    MaxLength = 6
    OnChange = Edit1Change
  end
  object Label6: TLabel
    Left = 16
    Top = 110
    Width = 348
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object bt1: TGradButton
    Left = 16
    Top = 160
    Width = 170
    Height = 32
    Caption = 'Propor compra'
    ColorScheme = csNeoGrass
    OnClick = bt1Click
  end
  object bt2: TGradButton
    Left = 194
    Top = 160
    Width = 170
    Height = 32
    Caption = 'Cancelar'
    ColorScheme = csNeoRose
    OnClick = bt2Click
  end
end

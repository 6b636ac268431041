object Form8: TForm8
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Estádio e preços dos ingressos'
  ClientWidth = 540
  ClientHeight = 310
  Color = clWhite
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 20
    Top = 14
    Width = 460
    Height = 24
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -18
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object bt3: TGradButton
    Left = 494
    Top = 10
    Width = 32
    Height = 28
    Caption = 'X'
    OnClick = bt3Click
  end
  object Label3: TLabel
    Left = 20
    Top = 58
    Caption = 'Setor'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label4: TLabel
    Left = 150
    Top = 58
    Width = 100
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Caption = 'Lugares'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label5: TLabel
    Left = 270
    Top = 58
    Caption = 'Ingresso'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label6: TLabel
    Left = 390
    Top = 58
    Caption = 'Referência da divisão'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label7: TLabel
    Left = 20
    Top = 86
    Caption = 'Geral:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object label14: TLabel
    Left = 150
    Top = 86
    Width = 100
    Height = 18
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object label18: TLabel
    Left = 270
    Top = 86
    Width = 50
    Height = 18
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clGreen
    Transparent = True
  end
  object upg: TUpDown
    Left = 326
    Top = 82
    Width = 18
    Height = 24
    Min = 1
    Max = 100
    OnClick = upgClick
  end
  object Label41: TLabel
    Left = 390
    Top = 86
    Caption = 'Ger.:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label22: TLabel
    Left = 430
    Top = 86
    Width = 60
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object Label8: TLabel
    Left = 20
    Top = 116
    Caption = 'Arquibancada:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object label12: TLabel
    Left = 150
    Top = 116
    Width = 100
    Height = 18
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object label16: TLabel
    Left = 270
    Top = 116
    Width = 50
    Height = 18
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clGreen
    Transparent = True
  end
  object upa: TUpDown
    Left = 326
    Top = 112
    Width = 18
    Height = 24
    Min = 0
    Max = 100
    OnClick = upaClick
  end
  object Label42: TLabel
    Left = 390
    Top = 116
    Caption = 'Arq.:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label20: TLabel
    Left = 430
    Top = 116
    Width = 60
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object Label9: TLabel
    Left = 20
    Top = 146
    Caption = 'Cadeiras:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object label13: TLabel
    Left = 150
    Top = 146
    Width = 100
    Height = 18
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object label17: TLabel
    Left = 270
    Top = 146
    Width = 50
    Height = 18
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clGreen
    Transparent = True
  end
  object upc: TUpDown
    Left = 326
    Top = 142
    Width = 18
    Height = 24
    Min = 0
    Max = 100
    OnClick = upcClick
  end
  object Label43: TLabel
    Left = 390
    Top = 146
    Caption = 'Cad.:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label21: TLabel
    Left = 430
    Top = 146
    Width = 60
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object Label10: TLabel
    Left = 20
    Top = 176
    Caption = 'Camarotes:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label28: TLabel
    Left = 150
    Top = 176
    Width = 100
    Height = 18
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object Label33: TLabel
    Left = 270
    Top = 176
    Width = 50
    Height = 18
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clGreen
    Transparent = True
  end
  object upcm: TUpDown
    Left = 326
    Top = 172
    Width = 18
    Height = 24
    Min = 0
    Max = 100
    OnClick = upcmClick
  end
  object Label44: TLabel
    Left = 390
    Top = 176
    Caption = 'Cam.:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label34: TLabel
    Left = 430
    Top = 176
    Width = 60
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object Label2: TLabel
    Left = 20
    Top = 214
    Width = 500
    Height = 18
    AutoSize = False
    Caption = 'Expansão em andamento, previsão de término:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
    Visible = False
  end
  object bt1: TGradButton
    Left = 20
    Top = 254
    Width = 170
    Height = 32
    Caption = 'Expandir estádio'
    OnClick = bt1Click
  end
end

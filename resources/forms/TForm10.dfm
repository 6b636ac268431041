object Form10: TForm10
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Ampliação do estádio'
  ClientWidth = 560
  ClientHeight = 330
  Color = clWhite
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  OnCreate = FormCreate
  object Label3: TLabel
    Left = 20
    Top = 14
    Caption = 'Ampliação do estádio'
    Font.Name = 'Arial'
    Font.Height = -18
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object bt3: TGradButton
    Left = 514
    Top = 10
    Width = 32
    Height = 28
    Caption = 'X'
    OnClick = bt3Click
  end
  object Label2: TLabel
    Left = 20
    Top = 52
    Width = 520
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label4: TLabel
    Left = 150
    Top = 80
    Caption = 'Lugares a construir'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label5: TLabel
    Left = 20
    Top = 105
    Caption = 'Geral (G):'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Editg: TEdit
    Left = 150
    Top = 102
    Width = 90
    Height = 22
    MaxLength = 6
    Font.Name = 'Arial'
    Font.Height = -13
  end
  object Labelmg: TLabel
    Left = 252
    Top = 105
    Width = 200
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object Label6: TLabel
    Left = 20
    Top = 137
    Caption = 'Arquibancada (A):'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Edita: TEdit
    Left = 150
    Top = 134
    Width = 90
    Height = 22
    MaxLength = 6
    Font.Name = 'Arial'
    Font.Height = -13
  end
  object Labelma: TLabel
    Left = 252
    Top = 137
    Width = 200
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object Label7: TLabel
    Left = 20
    Top = 169
    Caption = 'Cadeiras (C):'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Editc: TEdit
    Left = 150
    Top = 166
    Width = 90
    Height = 22
    MaxLength = 6
    Font.Name = 'Arial'
    Font.Height = -13
  end
  object Labelmc: TLabel
    Left = 252
    Top = 169
    Width = 200
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object Label8: TLabel
    Left = 20
    Top = 201
    Caption = 'Camarotes (Cm):'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Editcm: TEdit
    Left = 150
    Top = 198
    Width = 90
    Height = 22
    MaxLength = 4
    Font.Name = 'Arial'
    Font.Height = -13
  end
  object Labelmcm: TLabel
    Left = 252
    Top = 201
    Width = 200
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object GradButton1: TGradButton
    Left = 20
    Top = 236
    Width = 160
    Height = 30
    Caption = 'Pedir orçamento'
    OnClick = GradButton1Click
  end
  object btconstruir: TGradButton
    Left = 196
    Top = 236
    Width = 170
    Height = 30
    Caption = 'Iniciar construção'
    Visible = False
    OnClick = btconstruirClick
  end
  object Label1: TLabel
    Left = 20
    Top = 276
    Width = 520
    Height = 46
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
    WordWrap = True
  end
end

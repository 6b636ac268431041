object Form28: TForm28
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Empréstimo bancário'
  ClientWidth = 420
  ClientHeight = 250
  Color = clWhite
  FormStyle = fsStayOnTop
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 20
    Top = 14
    Caption = 'Empréstimo bancário'
    Font.Name = 'Arial'
    Font.Height = -20
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label3: TLabel
    Left = 20
    Top = 62
    Caption = 'Valor já emprestado:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label6: TLabel
    Left = 190
    Top = 62
    Width = 210
    Height = 18
    AutoSize = False
    Caption = '0 mil'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clNavy
    Transparent = True
  end
  object Label4: TLabel
    Left = 20
    Top = 90
    Caption = 'Juros semanais:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label7: TLabel
    Left = 190
    Top = 90
    Width = 210
    Height = 18
    AutoSize = False
    Caption = '0 mil'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clNavy
    Transparent = True
  end
  object Label5: TLabel
    Left = 20
    Top = 118
    Caption = 'Dinheiro em caixa:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label2: TLabel
    Left = 190
    Top = 118
    Width = 210
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clNavy
    Transparent = True
  end
  object bt1: TGradButton
    Left = 20
    Top = 170
    Width = 180
    Height = 32
    Caption = 'Pegar 500 mil emprestado'
    OnClick = bt1Click
  end
  object bt2: TGradButton
    Left = 220
    Top = 170
    Width = 180
    Height = 32
    Caption = 'Pagar 500 mil'
    OnClick = bt2Click
  end
  object bt3: TGradButton
    Left = 374
    Top = 10
    Width = 32
    Height = 28
    Caption = 'X'
    OnClick = bt3Click
  end
end

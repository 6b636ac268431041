object Form2: TForm2
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Editor de Equipes'
  ClientWidth = 367
  ClientHeight = 138
  Color = clBlack
  KeyPreview = True
  OnCreate = FormCreate
  OnShow = FormShow
  OnClose = FormClose
  object Label1: TLabel
    Left = 16
    Top = 12
    Caption = 'Editor de Equipes'
    Font.Name = 'Arial'
    Font.Height = -21
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 48
    Caption = 'Carregando equipes...'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clWhite
    Transparent = True
  end
  object Label4: TLabel
    Left = 16
    Top = 106
    Caption = 'Total de Equipes:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object Label3: TLabel
    Left = 140
    Top = 106
    Caption = '0'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clYellow
    Transparent = True
  end
  object barra: TProgressBar
    Left = 16
    Top = 72
    Width = 335
    Height = 20
    Step = 1
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 100
    OnTimer = Timer1Timer
  end
end

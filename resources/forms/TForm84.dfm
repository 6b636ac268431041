object Form84: TForm84
  BorderStyle = bsDialog
  Caption = 'Confirmação de amistoso'
  ClientWidth = 420
  ClientHeight = 170
  Color = clWhite
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  OnCreate = FormCreate
  OnClose = FormClose
  object Label2: TLabel
    Left = 16
    Top = 18
    Width = 388
    Height = 54
    AutoSize = False
    WordWrap = True
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label3: TLabel
    Left = 16
    Top = 80
    Width = 388
    Height = 36
    AutoSize = False
    WordWrap = True
    Caption = 'O dinheiro será descontado imediatamente. Confirmar o amistoso?'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Transparent = True
  end
  object GradButton1: TGradButton
    Left = 100
    Top = 124
    Width = 100
    Height = 30
    Caption = 'Sim'
    ColorScheme = csNeoSky
    OnClick = GradButton1Click
  end
  object GradButton2: TGradButton
    Left = 220
    Top = 124
    Width = 100
    Height = 30
    Caption = 'Não'
    ColorScheme = csNeoSky
    OnClick = GradButton2Click
  end
end

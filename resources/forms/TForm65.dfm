object Form65: TForm65
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Confirmação'
  ClientWidth = 340
  ClientHeight = 120
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  object Label1: TLabel
    Left = 16
    Top = 22
    Width = 308
    Height = 20
    AutoSize = False
    Alignment = taCenter
    Caption = 'Deseja mesmo se demitir do time atual?'
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object GradButton2: TGradButton
    Left = 60
    Top = 70
    Width = 100
    Height = 30
    Caption = 'Sim'
    ColorScheme = csNeoSky
    OnClick = GradButton2Click
  end
  object GradButton1: TGradButton
    Left = 180
    Top = 70
    Width = 100
    Height = 30
    Caption = 'Não'
    ColorScheme = csNeoSky
    Default = True
    OnClick = GradButton1Click
  end
end

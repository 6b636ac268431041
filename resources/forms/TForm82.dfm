object Form82: TForm82
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Escolher número'
  ClientWidth = 330
  ClientHeight = 170
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 16
    Top = 12
    Caption = 'Escolher número'
    Font.Name = 'Arial'
    Font.Height = -20
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label3: TLabel
    Left = 16
    Top = 46
    Width = 298
    Height = 20
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 80
    Caption = 'Número:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    Transparent = True
  end
  object combo1: TComboBox
    Left = 80
    Top = 76
    Width = 234
    Height = 22
    Style = csDropDownList
    DropDownCount = 15
  end
  object button1: TGradButton
    Left = 60
    Top = 122
    Width = 100
    Height = 30
    Caption = 'OK'
    ColorScheme = csNeoSky
    Default = True
    OnClick = button1Click
  end
  object GradButton1: TGradButton
    Left = 170
    Top = 122
    Width = 100
    Height = 30
    Caption = 'Cancelar'
    ColorScheme = csNeoSky
    OnClick = GradButton1Click
  end
end

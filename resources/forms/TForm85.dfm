object Form85: TForm85
  BorderStyle = bsDialog
  Caption = 'Amistosos de Pré-temporada'
  ClientWidth = 380
  ClientHeight = 130
  Color = clWhite
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  OnClose = FormClose
  object Label1: TLabel
    Left = 16
    Top = 24
    Width = 348
    Height = 40
    AutoSize = False
    Alignment = taCenter
    WordWrap = True
    Caption = 'Deseja marcar amistosos de pré-temporada?'
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object GradButton1: TGradButton
    Left = 80
    Top = 80
    Width = 100
    Height = 30
    Caption = 'Sim'
    ColorScheme = csNeoSky
    OnClick = GradButton1Click
  end
  object GradButton2: TGradButton
    Left = 200
    Top = 80
    Width = 100
    Height = 30
    Caption = 'Não'
    ColorScheme = csNeoSky
    OnClick = GradButton2Click
  end
end

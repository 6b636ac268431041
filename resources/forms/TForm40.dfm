object Form40: TForm40
  Left = 0
  Top = 0
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'Salvar jogo'
  ClientWidth = 380
  ClientHeight = 170
  Color = clBtnFace
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  OnShow = FormShow
  OnClose = FormClose
  object Label2: TLabel
    Left = 16
    Top = 12
    Caption = 'Salvar jogo'
    Font.Name = 'Arial'
    Font.Height = -18
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label1: TLabel
    Left = 16
    Top = 44
    Width = 348
    Height = 36
    AutoSize = False
    WordWrap = True
    Caption = 'Como é a primeira vez que vai salvar você tem que escolher  um nome para o arquivo a ser salvo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Transparent = True
  end
  object Edit1: TEdit
    Left = 16
    Top = 88
    Width = 348
    Height = 22
    MaxLength = 30
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
    OnChange = Edit1Change
  end
  object bt1: TGradButton
    Left = 264
    Top = 126
    Width = 100
    Height = 30
    Caption = 'Salvar'
    ColorScheme = csNeoSky
    Default = True
    Enabled = False
    OnClick = bt1Click
  end
end

object Form49: TForm49
  BorderStyle = bsDialog
  Caption = 'Proposta por um jogador do seu time'
  ClientWidth = 420
  ClientHeight = 200
  Color = clBlack
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  KeyPreview = True
  OnCreate = FormCreate
  OnShow = FormShow
  OnClose = FormClose
  OnPaint = FormPaint
  OnKeyDown = FormKeyDown
  object escudo: TImage
    Left = 12
    Top = 12
    Width = 64
    Height = 64
    Center = True
    Proportional = True
    Stretch = True
    Transparent = True
  end
  object Label1: TLabel
    Left = 88
    Top = 12
    Caption = 'Técnico:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4210752
    Transparent = True
  end
  object Label2: TLabel
    Left = 144
    Top = 12
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label3: TRichLabel
    Left = 88
    Top = 34
    Width = 320
    Height = 44
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
  end
  object Label4: TLabel
    Left = 88
    Top = 88
    Caption = 'Valor oferecido:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 4210752
    Transparent = True
  end
  object Label5: TRichLabel
    Left = 88
    Top = 106
    Width = 320
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
  end
  object bt1: TGradButton
    Left = 88
    Top = 148
    Width = 150
    Height = 34
    Caption = 'Sim'
    ColorScheme = csNeoGrass
    OnClick = bt1Click
  end
  object bt2: TGradButton
    Left = 254
    Top = 148
    Width = 150
    Height = 34
    Caption = 'Não'
    ColorScheme = csNeoRose
    OnClick = bt2Click
  end
end

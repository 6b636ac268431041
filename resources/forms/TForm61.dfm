object Form61: TForm61
  BorderStyle = bsDialog
  Caption = 'Proposta pelo jogador'
  ClientWidth = 400
  ClientHeight = 170
  Color = clBlack
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  KeyPreview = True
  OnCreate = FormCreate
  OnClose = FormClose
  OnPaint = FormPaint
  OnKeyDown = FormKeyDown
  object Label1: TRichLabel
    Left = 16
    Top = 16
    Width = 368
    Height = 90
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
  end
  object bt2: TGradButton
    Left = 16
    Top = 120
    Width = 176
    Height = 32
    Caption = 'OK'
    ColorScheme = csNeoGrass
    OnClick = bt2Click
  end
  object btconf: TGradButton
    Left = 208
    Top = 120
    Width = 176
    Height = 32
    Caption = 'Cancelar'
    ColorScheme = csNeoRose
    Visible = False
    OnClick = btconfClick
  end
end

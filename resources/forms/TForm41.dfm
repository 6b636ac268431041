object Form41: TForm41
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Confirmação'
  ClientWidth = 300
  ClientHeight = 110
  Color = clBtnFace
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  OnShow = FormShow
  OnClose = FormClose
  object Label1: TLabel
    Left = 16
    Top = 20
    Width = 268
    Height = 20
    AutoSize = False
    Alignment = taCenter
    Caption = 'O arquivo já existe, sobrescreve-lo?'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Transparent = True
  end
  object BitBtn1: TBitBtn
    Left = 56
    Top = 64
    Width = 88
    Height = 28
    Caption = 'Sim'
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 156
    Top = 64
    Width = 88
    Height = 28
    Caption = 'Não'
    OnClick = BitBtn2Click
  end
end

object Form44: TForm44
  BorderStyle = bsDialog
  Caption = 'Venda de jogador'
  ClientWidth = 420
  ClientHeight = 486
  Color = clBlack
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  OnCreate = FormCreate
  OnShow = FormShow
  OnClose = FormClose
  OnPaint = FormPaint
  object Label3: TLabel
    Left = 16
    Top = 16
    Caption = 'Jogador'
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object ck1: TRadioButton
    Left = 16
    Top = 64
    Width = 380
    Height = 20
    Caption = 'Vender jogador no leilão'
    Checked = True
    Font.Color = clBlack
    OnClick = ck1Click
  end
  object Label4: TLabel
    Left = 36
    Top = 104
    Caption = 'Preço inicial:'
    Font.Color = clBlack
    Transparent = True
  end
  object Edit1: TEdit
    Left = 130
    Top = 100
    Width = 90
    MaxLength = 6
    OnChange = Edit1Change
  end
  object Label7: TLabel
    Left = 228
    Top = 104
    Caption = '(em milhares de $)'
    Font.Color = 4210752
    Transparent = True
  end
  object Label6: TLabel
    Left = 36
    Top = 134
    Caption = ''
    Font.Style = [fsBold]
    Font.Color = clGreen
    Transparent = True
  end
  object ck2: TRadioButton
    Left = 16
    Top = 180
    Width = 380
    Height = 20
    Caption = 'Colocar à venda à espera de um comprador:'
    Font.Color = clBlack
    OnClick = ck1Click
  end
  object Label5: TLabel
    Left = 36
    Top = 220
    Caption = 'Preço fixado:'
    Font.Color = clBlack
    Transparent = True
  end
  object Edit2: TEdit
    Left = 130
    Top = 216
    Width = 90
    MaxLength = 6
    Enabled = False
    OnChange = Edit2Change
  end
  object Label8: TLabel
    Left = 228
    Top = 220
    Caption = '(em milhares de $)'
    Font.Color = 4210752
    Transparent = True
  end
  object Label10: TLabel
    Left = 36
    Top = 250
    Caption = ''
    Font.Style = [fsBold]
    Font.Color = clGreen
    Transparent = True
  end
  object bt1: TGradButton
    Left = 16
    Top = 318
    Width = 190
    Height = 34
    Caption = 'Iniciar leilão'
    ColorScheme = csNeoGrass
    OnClick = bt1Click
  end
  object GradButton1: TGradButton
    Left = 214
    Top = 318
    Width = 190
    Height = 34
    Caption = 'Cancelar'
    ColorScheme = csNeoRose
    OnClick = GradButton1Click
  end
  object Label11: TLabel
    Left = 16
    Top = 392
    Width = 388
    Height = 44
    AutoSize = False
    WordWrap = True
    Caption = '(jogadores com contrato pagam uma multa de rescisão na venda de acordo com o tempo de contrato que falta)'
    Font.Color = 4210752
    Transparent = True
  end
  object Label12: TLabel
    Left = 16
    Top = 440
    Caption = 'Multa estimada para este jogador:'
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label13: TLabel
    Left = 16
    Top = 460
    Caption = ''
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
end

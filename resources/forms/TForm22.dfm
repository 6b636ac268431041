object Form22: TForm22
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Finanças do clube'
  ClientWidth = 600
  ClientHeight = 380
  Color = clWhite
  FormStyle = fsStayOnTop
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 20
    Top = 14
    Caption = 'Finanças do clube'
    Font.Name = 'Arial'
    Font.Height = -20
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label31: TLabel
    Left = 20
    Top = 58
    Caption = 'Entradas:'
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = clGreen
    Transparent = True
  end
  object Label32: TLabel
    Left = 310
    Top = 58
    Caption = 'Saídas:'
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
  object Label33: TLabel
    Left = 20
    Top = 86
    Caption = 'Ingressos...........:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object l1: TLabel
    Left = 150
    Top = 86
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label34: TLabel
    Left = 20
    Top = 110
    Caption = 'Venda jogadores:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object l2: TLabel
    Left = 150
    Top = 110
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label35: TLabel
    Left = 20
    Top = 134
    Caption = 'Empréstimo........:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object l3: TLabel
    Left = 150
    Top = 134
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label36: TLabel
    Left = 20
    Top = 158
    Caption = 'Prêmios..............:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object l4: TLabel
    Left = 150
    Top = 158
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label37: TLabel
    Left = 20
    Top = 182
    Caption = 'Patrocínio.........:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object l5: TLabel
    Left = 150
    Top = 182
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label38: TLabel
    Left = 310
    Top = 86
    Caption = 'Salários...............:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object l6: TLabel
    Left = 450
    Top = 86
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label39: TLabel
    Left = 310
    Top = 110
    Caption = 'Estádio................:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object l7: TLabel
    Left = 450
    Top = 110
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label40: TLabel
    Left = 310
    Top = 134
    Caption = 'Compra jogadores:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object l8: TLabel
    Left = 450
    Top = 134
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label41: TLabel
    Left = 310
    Top = 158
    Caption = 'Juros empréstimo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object l9: TLabel
    Left = 450
    Top = 158
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label42: TLabel
    Left = 310
    Top = 182
    Caption = 'Diversos.............:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object l10: TLabel
    Left = 450
    Top = 182
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label43: TLabel
    Left = 310
    Top = 206
    Caption = 'Multa rescisão....:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object l11: TLabel
    Left = 450
    Top = 206
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label44: TLabel
    Left = 20
    Top = 238
    Caption = 'Sub-total:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label16: TLabel
    Left = 150
    Top = 238
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clGreen
    Transparent = True
  end
  object Label45: TLabel
    Left = 310
    Top = 238
    Caption = 'Sub-total:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label17: TLabel
    Left = 450
    Top = 238
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
  object Label46: TLabel
    Left = 20
    Top = 272
    Caption = 'Saldo:'
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label19: TLabel
    Left = 150
    Top = 272
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label47: TLabel
    Left = 20
    Top = 316
    Caption = 'Salário semanal:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label21: TLabel
    Left = 150
    Top = 316
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label48: TLabel
    Left = 310
    Top = 316
    Caption = 'Dinheiro em caixa:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label24: TLabel
    Left = 450
    Top = 316
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object Label49: TLabel
    Left = 310
    Top = 340
    Caption = 'Juros semanais:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label26: TLabel
    Left = 450
    Top = 340
    Width = 130
    Height = 16
    AutoSize = False
    Alignment = taRightJustify
    Caption = '$0'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object GradButton2: TGradButton
    Left = 556
    Top = 10
    Width = 32
    Height = 28
    Caption = 'X'
    OnClick = GradButton2Click
  end
end

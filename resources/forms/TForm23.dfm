object Form23: TForm23
  Caption = 'Venda de jogador em leilão'
  ClientWidth = 600
  ClientHeight = 430
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  OnClose = FormClose
  object escudo: TImage
    Left = 12
    Top = 10
    Width = 72
    Height = 72
    Center = True
    Proportional = True
    Stretch = True
    Transparent = True
  end
  object escudo2: TImage
    Left = 512
    Top = 10
    Width = 72
    Height = 72
    Center = True
    Proportional = True
    Stretch = True
    Transparent = True
  end
  object l1: TLabel
    Left = 96
    Top = 14
    Width = 404
    Height = 40
    AutoSize = False
    WordWrap = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
  object jlnome: TLabel
    Left = 96
    Top = 54
    Width = 404
    Height = 28
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -20
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label20: TLabel
    Left = 16
    Top = 96
    Caption = 'Posição:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object jlpos: TLabel
    Left = 86
    Top = 96
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label21: TLabel
    Left = 16
    Top = 118
    Caption = 'Força:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object jlforca: TLabel
    Left = 86
    Top = 118
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label22: TLabel
    Left = 16
    Top = 140
    Caption = 'Idade:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object jlage: TLabel
    Left = 86
    Top = 140
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label23: TLabel
    Left = 16
    Top = 162
    Caption = 'Salário:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object jlsalario: TLabel
    Left = 86
    Top = 162
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label24: TLabel
    Left = 16
    Top = 184
    Caption = 'País:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Image1: TImage
    Left = 86
    Top = 185
    Width = 20
    Height = 14
    Transparent = True
  end
  object jlpais: TLabel
    Left = 112
    Top = 184
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label25: TLabel
    Left = 300
    Top = 96
    Caption = 'Jogos:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object jlj: TLabel
    Left = 370
    Top = 96
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label26: TLabel
    Left = 300
    Top = 118
    Caption = 'Gols:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object jlg: TLabel
    Left = 370
    Top = 118
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label27: TLabel
    Left = 300
    Top = 140
    Caption = 'Cartões:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object jlca: TLabel
    Left = 370
    Top = 140
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label28: TLabel
    Left = 300
    Top = 162
    Caption = 'Energia:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object jlenergia: TLabel
    Left = 370
    Top = 162
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = []
    Font.Color = clBlack
    Transparent = True
  end
  object Label6: TLabel
    Left = 16
    Top = 208
    Width = 560
    Height = 18
    AutoSize = False
    Caption = 'Principal característica:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object jlstatus: TLabel
    Left = 300
    Top = 184
    Width = 280
    Height = 18
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clRed
    Transparent = True
  end
  object Label19: TLabel
    Left = 16
    Top = 232
    Caption = 'Preço inicial:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object jlpasse: TLabel
    Left = 116
    Top = 232
    Width = 470
    Height = 18
    AutoSize = False
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clGreen
    Transparent = True
  end
  object Notebook1: TNotebook
    Left = 12
    Top = 264
    Width = 576
    Height = 152
    object TPage
      Caption = 'Default'
        object Label2: TLabel
          Left = 8
          Top = 6
          Width = 560
          Height = 30
          AutoSize = False
          WordWrap = True
          Caption = 'Faça aqui sua oferta em milhares de $, por exemplo: 300 equivale à 300 mil, 1200 à 1 milhão e duzentos etc'
          Font.Name = 'Arial'
          Font.Height = -11
          Font.Style = []
          Font.Color = clBlack
          Transparent = True
        end
        object Label15: TLabel
          Left = 8
          Top = 40
          Width = 560
          Height = 18
          AutoSize = False
          Caption = ''
          Font.Name = 'Arial'
          Font.Height = -12
          Font.Style = [fsBold]
          Font.Color = clNavy
          Transparent = True
        end
      object Edit1: TEdit
        Left = 8
        Top = 64
        Width = 110
        Height = 24
        MaxLength = 5
        Font.Name = 'Arial'
        Font.Height = -14
        Font.Color = clBlack
        OnChange = Edit1Change
      end
      object CHButton1: CHButton
        Left = 128
        Top = 62
        Width = 100
        Height = 28
        Caption = 'Ofertar'
        ColorScheme = csNeoGrass
        OnClick = CHButton1Click
      end
        object Label18: TLabel
          Left = 240
          Top = 68
          Width = 320
          Height = 18
          AutoSize = False
          Caption = ''
          Font.Name = 'Arial'
          Font.Height = -12
          Font.Style = [fsBold]
          Font.Color = clGreen
          Transparent = True
        end
        object Label7: TLabel
          Left = 8
          Top = 100
          Caption = 'Valor maior que seu dinheiro em caixa'
          Font.Name = 'Arial'
          Font.Height = -12
          Font.Style = [fsBold]
          Font.Color = clRed
          Transparent = True
          Visible = False
        end
        object Label17: TLabel
          Left = 8
          Top = 120
          Caption = 'Saldo negativo, seu lance foi 0.'
          Font.Name = 'Arial'
          Font.Height = -12
          Font.Style = [fsBold]
          Font.Color = clRed
          Transparent = True
          Visible = False
        end
    end
    object TPage
      Caption = 'resultado'
        object Label16: TLabel
          Left = 8
          Top = 30
          Width = 560
          Height = 60
          AutoSize = False
          WordWrap = True
          Caption = ''
          Font.Name = 'Arial'
          Font.Height = -18
          Font.Style = [fsBold]
          Font.Color = clMaroon
          Transparent = True
        end
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 2500
    OnTimer = Timer1Timer
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 2500
    OnTimer = Timer2Timer
  end
end

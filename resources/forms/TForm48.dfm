object Form48: TForm48
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Aposentadoria do jogador'
  ClientWidth = 470
  ClientHeight = 330
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
    Caption = 'Aposentadoria do jogador'
    Font.Name = 'Arial'
    Font.Height = -20
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 42
    Width = 438
    Height = 20
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label3: TLabel
    Left = 16
    Top = 70
    Width = 438
    Height = 46
    AutoSize = False
    WordWrap = True
    Caption = 'Ao aposentar um jogador você ganha a oportunidade de promover um novo jogador dos juniores do seu time para substituir o jogador aposentado.'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Transparent = True
  end
  object Label4: TLabel
    Left = 16
    Top = 118
    Width = 438
    Height = 32
    AutoSize = False
    WordWrap = True
    Caption = 'Este novo jogador promovido terá entre 17 e 20 anos e sua força será conhecida após a promoção.'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Transparent = True
  end
  object Label5: TLabel
    Left = 16
    Top = 152
    Width = 438
    Height = 32
    AutoSize = False
    WordWrap = True
    Caption = 'Escolha um nome e a posição do o novo jogador dos juniores ou se quiser poderá deixar o mesmo nome do jogador que vai se aposentar.'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Transparent = True
  end
  object Label6: TLabel
    Left = 16
    Top = 196
    Caption = 'Nome do jogador a ser promovido:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Edit1: TEdit
    Left = 16
    Top = 214
    Width = 270
    Height = 22
    MaxLength = 20
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clBlack
  end
  object Label7: TLabel
    Left = 304
    Top = 196
    Caption = 'Posição:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object combopos: TComboBox
    Left = 304
    Top = 214
    Width = 150
    Height = 22
    Style = csDropDownList
    Items.Strings = (
      'Goleiro'
      'Lateral'
      'Zagueiro'
      'Meio-Campo'
      'Atacante')
  end
  object GradButton1: TGradButton
    Left = 124
    Top = 276
    Width = 110
    Height = 32
    Caption = 'Aposentar'
    ColorScheme = csNeoSky
    Default = True
    OnClick = GradButton1Click
  end
  object CHButton1: CHButton
    Left = 244
    Top = 276
    Width = 110
    Height = 32
    Caption = 'Cancelar'
    ColorScheme = csNeoSky
    OnClick = CHButton1Click
  end
end

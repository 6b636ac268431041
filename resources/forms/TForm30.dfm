object Form30: TForm30
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Convite para ser técnico'
  ClientWidth = 720
  ClientHeight = 560
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  Font.Color = clBlack
  OnCreate = FormCreate
  OnClose = FormClose
  object Label1: TLabel
    Left = 16
    Top = 10
    Caption = 'Convite para ser técnico'
    Font.Name = 'Arial'
    Font.Height = -22
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 42
    Width = 688
    Height = 22
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label3: TLabel
    Left = 16
    Top = 74
    Caption = 'Clubes interessados em seu trabalho:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Transparent = True
  end
  object image0: TImage
    Left = 16
    Top = 100
    Width = 24
    Height = 24
    Center = True
    Transparent = True
  end
  object r1: TRadioButton
    Tag = 1
    Left = 48
    Top = 102
    Width = 656
    Height = 20
    Visible = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    OnClick = OfferClick
  end
  object Image1: TImage
    Left = 16
    Top = 128
    Width = 24
    Height = 24
    Center = True
    Transparent = True
  end
  object r2: TRadioButton
    Tag = 2
    Left = 48
    Top = 130
    Width = 656
    Height = 20
    Visible = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    OnClick = OfferClick
  end
  object Image2: TImage
    Left = 16
    Top = 156
    Width = 24
    Height = 24
    Center = True
    Transparent = True
  end
  object r3: TRadioButton
    Tag = 3
    Left = 48
    Top = 158
    Width = 656
    Height = 20
    Visible = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    OnClick = OfferClick
  end
  object Image3: TImage
    Left = 16
    Top = 184
    Width = 24
    Height = 24
    Center = True
    Transparent = True
  end
  object r4: TRadioButton
    Tag = 4
    Left = 48
    Top = 186
    Width = 656
    Height = 20
    Visible = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    OnClick = OfferClick
  end
  object Label6: TLabel
    Left = 16
    Top = 216
    Width = 688
    Height = 18
    AutoSize = False
    Caption = 'Plantel do time:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clBlack
    Transparent = True
  end
  object ljog: TListView
    Left = 16
    Top = 236
    Width = 688
    Height = 268
    ViewStyle = vsReport
    RowSelect = True
    ReadOnly = True
    Font.Name = 'Arial'
    Font.Height = -12
    Columns = <
      item
        Caption = 'P'
        Width = 44
      end
      item
        Caption = 'Nome'
        Width = 146
      end
      item
        Caption = 'Força'
        Width = 50
      end
      item
        Caption = 'Energia'
        Width = 60
      end
      item
        Caption = 'Salário'
        Width = 86
      end
      item
        Caption = 'Passe'
        Width = 90
      end
      item
        Caption = 'Característica'
        Width = 110
      end
      item
        Caption = 'Idade'
        Width = 44
      end>
  end
  object bt3: TGradButton
    Left = 16
    Top = 516
    Width = 150
    Height = 32
    Caption = 'Assumir time'
    ColorScheme = csNeoSky
    OnClick = bt3Click
  end
  object bt2: TGradButton
    Left = 285
    Top = 516
    Width = 150
    Height = 32
    Caption = 'Classificação'
    ColorScheme = csNeoSky
    OnClick = bt2Click
  end
  object GradButton1: TGradButton
    Left = 554
    Top = 516
    Width = 150
    Height = 32
    Caption = 'Rejeitar todos'
    ColorScheme = csNeoSky
    OnClick = GradButton1Click
  end
  object ImageList1: TImageList
    Width = 16
    Height = 16
  end
end

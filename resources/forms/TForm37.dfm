object Form37: TForm37
  BorderStyle = bsDialog
  Caption = 'Desempate por Penaltis - Sele'#231#227'o dos batedores'
  ClientWidth = 620
  ClientHeight = 400
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnCreate = FormCreate
  object escudo1: TImage
    Left = 12
    Top = 10
    Width = 48
    Height = 48
    Stretch = True
    Center = True
  end
  object Label1: TLabel
    Left = 12
    Top = 68
    Transparent = True
    Caption = 'Jogadores dispon'#237'veis:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
  end
  object Label2: TLabel
    Left = 336
    Top = 68
    Transparent = True
    Caption = 'Batedores na ordem:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
  end
  object l1: TListView
    Left = 12
    Top = 88
    Width = 272
    Height = 250
    ViewStyle = vsReport
    RowSelect = True
    ReadOnly = True
    HideSelection = False
    Columns = <
      item
        Caption = 'P'
        Width = 28
      end
      item
        Caption = 'Jogador'
        Width = 140
      end
      item
        Caption = 'F'
        Width = 34
      end
      item
        Caption = 'Energia'
        Width = 56
      end
      item
        Caption = 'id'
        Width = 0
      end>
  end
  object l2: TListView
    Left = 336
    Top = 88
    Width = 272
    Height = 250
    ViewStyle = vsReport
    RowSelect = True
    ReadOnly = True
    HideSelection = False
    Columns = <
      item
        Caption = 'P'
        Width = 28
      end
      item
        Caption = 'Jogador'
        Width = 140
      end
      item
        Caption = 'F'
        Width = 34
      end
      item
        Caption = 'Energia'
        Width = 56
      end
      item
        Caption = 'id'
        Width = 0
      end>
  end
  object GradButton2: TGradButton
    Left = 290
    Top = 190
    Width = 40
    Height = 32
    Caption = '>>'
    ColorScheme = csNeoSky
    OnClick = GradButton2Click
  end
  object bt1: TGradButton
    Left = 12
    Top = 352
    Width = 130
    Height = 32
    Caption = 'Autom'#225'tico'
    ColorScheme = csNeoSilver
    OnClick = bt1Click
  end
  object btp: TGradButton
    Left = 478
    Top = 352
    Width = 130
    Height = 32
    Caption = 'Pr'#243'ximo >>'
    Enabled = False
    ColorScheme = csNeoSky
    OnClick = btpClick
  end
end

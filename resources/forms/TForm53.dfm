object Form53: TForm53
  BorderStyle = bsDialog
  Caption = 'Jogador contundido: substitui'#231#227'o'
  ClientWidth = 420
  ClientHeight = 320
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object Shape1: TShape
    Left = 0
    Top = 0
    Width = 420
    Height = 44
    Brush.Color = $00306A30
    Pen.Style = psClear
  end
  object Label2: TLabel
    Left = 12
    Top = 14
    Width = 396
    Height = 18
    AutoSize = False
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = clWhite
  end
  object Label3: TLabel
    Left = 12
    Top = 54
    Transparent = True
    Caption = 'Selecione o jogador para substitu'#237'-lo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
  end
  object ListView1: TListView
    Left = 12
    Top = 74
    Width = 396
    Height = 190
    ViewStyle = vsReport
    RowSelect = True
    ReadOnly = True
    HideSelection = False
    Columns = <
      item
        Caption = 'Jogador'
        Width = 170
      end
      item
        Caption = 'P'
        Width = 30
      end
      item
        Caption = 'F'
        Width = 40
      end
      item
        Caption = 'Energia'
        Width = 64
      end
      item
        Caption = 'id'
        Width = 0
      end>
    OnSelectItem = ListView1SelectItem
  end
  object bt1: TGradButton
    Left = 150
    Top = 276
    Width = 120
    Height = 32
    Caption = 'Substituir'
    Enabled = False
    ColorScheme = csNeoSky
    OnClick = bt1Click
  end
end

object Form34: TForm34
  BorderStyle = bsDialog
  Caption = 'P'#234'nalti a favor: escolha do batedor'
  ClientWidth = 440
  ClientHeight = 340
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  object escudo: TImage
    Left = 12
    Top = 12
    Width = 56
    Height = 56
    Stretch = True
    Center = True
  end
  object info1: TRichLabel
    Left = 80
    Top = 12
    Width = 348
    Height = 56
    Color = $00306A30
  end
  object ListView1: TListView
    Left = 12
    Top = 78
    Width = 416
    Height = 206
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
        Width = 150
      end
      item
        Caption = 'F'
        Width = 36
      end
      item
        Caption = 'Energia'
        Width = 60
      end
      item
        Caption = 'id'
        Width = 0
      end
      item
        Caption = 'Característ.'
        Width = 110
      end>
    OnSelectItem = ListView1SelectItem
  end
  object bt1: TGradButton
    Left = 160
    Top = 296
    Width = 120
    Height = 32
    Caption = 'Bater'
    Enabled = False
    ColorScheme = csNeoSky
    OnClick = bt1Click
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 2000
    OnTimer = Timer1Timer
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 2000
    OnTimer = Timer2Timer
  end
end

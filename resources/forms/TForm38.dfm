object Form38: TForm38
  BorderStyle = bsDialog
  Caption = 'Decis'#227'o por Penaltis'
  ClientWidth = 620
  ClientHeight = 380
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnCreate = FormCreate
  object escudo1: TImage
    Left = 12
    Top = 10
    Width = 56
    Height = 56
    Stretch = True
    Center = True
  end
  object escudo2: TImage
    Left = 552
    Top = 10
    Width = 56
    Height = 56
    Stretch = True
    Center = True
  end
  object nome1: TLabel
    Left = 12
    Top = 70
    Width = 290
    Height = 21
    AutoSize = False
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clNavy
  end
  object nome2: TLabel
    Left = 318
    Top = 70
    Width = 290
    Height = 21
    AutoSize = False
    Alignment = taRightJustify
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clNavy
  end
  object pl1: TLabel
    Left = 262
    Top = 18
    Width = 40
    Height = 34
    AutoSize = False
    Alignment = taCenter
    Transparent = True
    Caption = '0'
    Font.Name = 'Arial'
    Font.Height = -28
    Font.Style = [fsBold]
    Font.Color = clMaroon
  end
  object lbx: TLabel
    Left = 303
    Top = 22
    Transparent = True
    Caption = 'x'
    Font.Name = 'Arial'
    Font.Height = -20
    Font.Style = [fsBold]
    Font.Color = clMaroon
  end
  object pl2: TLabel
    Left = 318
    Top = 18
    Width = 40
    Height = 34
    AutoSize = False
    Alignment = taCenter
    Transparent = True
    Caption = '0'
    Font.Name = 'Arial'
    Font.Height = -28
    Font.Style = [fsBold]
    Font.Color = clMaroon
  end
  object l1: TListView
    Left = 12
    Top = 96
    Width = 290
    Height = 226
    ViewStyle = vsReport
    RowSelect = True
    ReadOnly = True
    HideSelection = False
    Columns = <
      item
        Caption = 'Batedor'
        Width = 150
      end
      item
        Caption = ''
        Width = 80
      end>
  end
  object l2: TListView
    Left = 318
    Top = 96
    Width = 290
    Height = 226
    ViewStyle = vsReport
    RowSelect = True
    ReadOnly = True
    HideSelection = False
    Columns = <
      item
        Caption = 'Batedor'
        Width = 150
      end
      item
        Caption = ''
        Width = 80
      end>
  end
  object lbresultado: TLabel
    Left = 12
    Top = 334
    Width = 596
    Height = 22
    AutoSize = False
    Alignment = taCenter
    Transparent = True
    Caption = ''
    Font.Name = 'Arial'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clGreen
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 1500
    OnTimer = Timer1Timer
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 1500
    OnTimer = Timer2Timer
  end
  object Timer3: TTimer
    Enabled = False
    Interval = 1000
    OnTimer = Timer3Timer
  end
  object Timer4: TTimer
    Enabled = False
    Interval = 1000
    OnTimer = Timer4Timer
  end
  object Timer5: TTimer
    Enabled = False
    Interval = 1000
    OnTimer = Timer5Timer
  end
end

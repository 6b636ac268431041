object Form81: TForm81
  BorderStyle = bsDialog
  Caption = 'Marcar amistoso'
  ClientWidth = 460
  ClientHeight = 330
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  OnCreate = FormCreate
  OnClose = FormClose
  object Shape1: TShape
    Left = 0
    Top = 0
    Width = 460
    Height = 58
    Brush.Color = $00306A30
    Pen.Style = psClear
  end
  object Label1: TLabel
    Left = 16
    Top = 8
    Width = 380
    Height = 24
    AutoSize = False
    Caption = 'Marcar amistoso'
    Font.Name = 'Arial'
    Font.Height = -18
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
  end
  object Label6: TLabel
    Left = 16
    Top = 34
    Width = 380
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Color = clWhite
    Transparent = True
  end
  object GradButton1: TGradButton
    Left = 418
    Top = 12
    Width = 30
    Height = 28
    Caption = 'X'
    ColorScheme = csNeoSky
    OnClick = GradButton1Click
  end
  object Label7: TLabel
    Left = 16
    Top = 66
    Width = 428
    Height = 18
    AutoSize = False
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 192
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 92
    Caption = 'Escolha uma data disponível:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object combo1: TComboBox
    Left = 16
    Top = 110
    Width = 180
    Style = csDropDownList
    DropDownCount = 16
    OnChange = combo1Change
  end
  object Label3: TLabel
    Left = 16
    Top = 146
    Caption = 'Escolha um adversário:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object ComboBox1: TComboBox
    Left = 16
    Top = 164
    Width = 300
    Style = csDropDownList
    DropDownCount = 20
    Enabled = False
    OnChange = ComboBox1Change
  end
  object Label5: TLabel
    Left = 16
    Top = 200
    Caption = 'Local do jogo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clNavy
    Transparent = True
  end
  object combo3: TComboBox
    Left = 16
    Top = 218
    Width = 120
    Style = csDropDownList
    Items.Strings = (
      'Fora'
      'Em casa')
    ItemIndex = 0
  end
  object bt1: TGradButton
    Left = 16
    Top = 260
    Width = 160
    Height = 32
    Caption = 'Marcar amistoso'
    ColorScheme = csNeoSky
    Enabled = False
    OnClick = bt1Click
  end
  object Label4: TLabel
    Left = 190
    Top = 268
    Width = 254
    Height = 40
    AutoSize = False
    WordWrap = True
    Visible = False
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
  end
end

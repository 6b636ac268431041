object Form74: TForm74
  Caption = 'Sala de troféus do clube'
  ClientWidth = 600
  ClientHeight = 330
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  object escudoimg: TImage
    Left = 22
    Top = 12
    Width = 80
    Height = 80
    Center = True
    Proportional = True
    Stretch = True
  end
  object Label1: TLabel
    Left = 116
    Top = 36
    Caption = 'Clube'
    Font.Name = 'Arial'
    Font.Height = -24
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label2: TLabel
    Left = 22
    Top = 160
    Caption = '(galeria de troféus vazia)'
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
    Visible = False
  end
  object tr_mundial: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_lib: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_cl: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_sul: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_uefa: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_nacbra: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_naceng: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_nacita: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_nacesp: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_nacgen: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_copabra: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_copaeng: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_copaita: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_copaesp: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_copagen: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object tr_estadual: TImage
    Left = 22
    Top = 120
    Width = 80
    Height = 110
    Transparent = True
    Visible = False
  end
  object lab1: TLabel
    Left = 22
    Top = 234
    Width = 95
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
    Visible = False
  end
  object labc1: TLabel
    Left = 22
    Top = 252
    Width = 80
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
    Visible = False
  end
  object lab2: TLabel
    Left = 22
    Top = 234
    Width = 95
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
    Visible = False
  end
  object labc2: TLabel
    Left = 22
    Top = 252
    Width = 80
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
    Visible = False
  end
  object lab3: TLabel
    Left = 22
    Top = 234
    Width = 95
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
    Visible = False
  end
  object labc3: TLabel
    Left = 22
    Top = 252
    Width = 80
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
    Visible = False
  end
  object lab4: TLabel
    Left = 22
    Top = 234
    Width = 95
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
    Visible = False
  end
  object labc4: TLabel
    Left = 22
    Top = 252
    Width = 80
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
    Visible = False
  end
  object lab5: TLabel
    Left = 22
    Top = 234
    Width = 95
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
    Visible = False
  end
  object labc5: TLabel
    Left = 22
    Top = 252
    Width = 80
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
    Visible = False
  end
  object lab6: TLabel
    Left = 22
    Top = 234
    Width = 95
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
    Visible = False
  end
  object labc6: TLabel
    Left = 22
    Top = 252
    Width = 80
    Height = 16
    AutoSize = False
    Alignment = taCenter
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clMaroon
    Transparent = True
    Visible = False
  end
  object GradButton1: TGradButton
    Left = 544
    Top = 290
    Width = 48
    Height = 30
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = GradButton1Click
  end
end

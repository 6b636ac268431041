object Form76: TForm76
  Caption = 'Convite para técnico de seleção'
  ClientWidth = 520
  ClientHeight = 300
  BorderStyle = bsNone
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 12
    Top = 12
    Width = 496
    Height = 24
    AutoSize = False
    Alignment = taCenter
    Caption = 'Escolha da seleção para treinar na Copa do Mundo'
    Font.Name = 'Arial'
    Font.Height = -17
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object Label2: TLabel
    Left = 16
    Top = 44
    Width = 488
    Height = 40
    AutoSize = False
    WordWrap = True
    Caption = 'Várias seleções lhe convidaram para treina-las na próxima copa.'#13#10' Abaixo listamos todos os convites. Escolha a seleção que você que ser técnico:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = clBlack
    Transparent = True
  end
  object image0: TImage
    Left = 40
    Top = 103
    Width = 20
    Height = 14
  end
  object r1: TRadioButton
    Tag = 1
    Left = 68
    Top = 100
    Width = 180
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    OnClick = r1Click
  end
  object Image1: TImage
    Left = 40
    Top = 139
    Width = 20
    Height = 14
  end
  object r2: TRadioButton
    Tag = 2
    Left = 68
    Top = 136
    Width = 180
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    OnClick = r1Click
  end
  object Image2: TImage
    Left = 40
    Top = 175
    Width = 20
    Height = 14
  end
  object r3: TRadioButton
    Tag = 3
    Left = 68
    Top = 172
    Width = 180
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    OnClick = r1Click
  end
  object Image3: TImage
    Left = 40
    Top = 211
    Width = 20
    Height = 14
  end
  object r4: TRadioButton
    Tag = 4
    Left = 68
    Top = 208
    Width = 180
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    OnClick = r1Click
  end
  object Image4: TImage
    Left = 280
    Top = 103
    Width = 20
    Height = 14
  end
  object r5: TRadioButton
    Tag = 5
    Left = 308
    Top = 100
    Width = 180
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    OnClick = r1Click
  end
  object Image5: TImage
    Left = 280
    Top = 139
    Width = 20
    Height = 14
  end
  object r6: TRadioButton
    Tag = 6
    Left = 308
    Top = 136
    Width = 180
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    OnClick = r1Click
  end
  object Image6: TImage
    Left = 280
    Top = 175
    Width = 20
    Height = 14
  end
  object r7: TRadioButton
    Tag = 7
    Left = 308
    Top = 172
    Width = 180
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    OnClick = r1Click
  end
  object Image7: TImage
    Left = 280
    Top = 211
    Width = 20
    Height = 14
  end
  object r8: TRadioButton
    Tag = 8
    Left = 308
    Top = 208
    Width = 180
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    OnClick = r1Click
  end
  object btfechar: TGradButton
    Left = 210
    Top = 254
    Width = 100
    Height = 30
    Caption = 'OK'
    ColorScheme = csNeoSky
    Enabled = False
    OnClick = btfecharClick
  end
end

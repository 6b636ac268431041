object Form6: TForm6
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Editar jogador'
  ClientWidth = 360
  ClientHeight = 330
  Color = 15134688
  Font.Name = 'Arial'
  Font.Height = -12
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnClose = FormClose
  OnKeyDown = FormKeyDown
  object Label1: TLabel
    Left = 12
    Top = 17
    Caption = 'Nome:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Edit1: TEdit
    Left = 110
    Top = 14
    Width = 230
    Height = 22
    MaxLength = 30
  end
  object Label2: TLabel
    Left = 12
    Top = 47
    Caption = 'Posi'#231#227'o:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object ComboBox1: TComboBox
    Left = 110
    Top = 44
    Width = 140
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    Items.Strings = (
      'Goleiro'
      'Lateral'
      'Zagueiro'
      'Meio Campo'
      'Atacante')
    OnChange = ComboBox1Change
  end
  object Label3: TLabel
    Left = 12
    Top = 77
    Caption = 'Pa'#237's:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object combo1: TComboBoxEx
    Left = 110
    Top = 74
    Width = 200
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    OnKeyDown = combo1KeyDown
  end
  object Label4: TLabel
    Left = 12
    Top = 109
    Caption = 'Idade:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object TrackBar1: TTrackBar
    Left = 106
    Top = 104
    Width = 190
    Height = 28
    Min = 16
    Max = 42
    Position = 25
    OnChange = TrackBar1Change
  end
  object Label5: TLabel
    Left = 304
    Top = 109
    Caption = '25'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Transparent = True
  end
  object CheckBox1: TCheckBox
    Left = 110
    Top = 138
    Width = 120
    Height = 20
    Caption = 'Estrela'
  end
  object Label6: TLabel
    Left = 12
    Top = 169
    Caption = 'Caract. 1:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object ComboBox2: TComboBox
    Left = 110
    Top = 166
    Width = 230
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label7: TLabel
    Left = 12
    Top = 199
    Caption = 'Caract. 2:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object ComboBox3: TComboBox
    Left = 110
    Top = 196
    Width = 230
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label8: TLabel
    Left = 12
    Top = 229
    Caption = 'Lado:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object ComboBox4: TComboBox
    Left = 110
    Top = 226
    Width = 110
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    Items.Strings = (
      'Direito'
      'Esquerdo')
  end
  object DcGlowButton1: TDcGlowButton
    Left = 130
    Top = 286
    Width = 100
    Height = 28
    Caption = 'OK'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    ParentFont = False
    Position = bpLeft
    Picture.Data = {
      89504E470D0A1A0A0000000D49484452000000100000001008060000001FF3FF
      61000000914944415478DA63601810D0C02041AE461620DE0CC4FFC134190634
      4335C3B004299A7DD034EF2645B30A10BF47D2FC188845880B9806061E203E8F
      A4F937109BA02BDA0C77164803AADC7C34A76760DA8CAAE030DC10906254B9F9
      B8FCB81B8B210E50E7C2C4CE63B80ECD9F87D10C41C6EFC1014920A4F119E243
      6C746133A499D4D4C68314269BC1C997BE198644000032E96A90EDF7DD9D0000
      000049454E44AE426082}
    OnClick = ConfirmClick
  end
  object DcGlowButton2: TDcGlowButton
    Left = 240
    Top = 286
    Width = 100
    Height = 28
    Caption = 'Cancel'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = clBlack
    ParentFont = False
    Position = bpLeft
    Picture.Data = {
      89504E470D0A1A0A0000000D49484452000000100000001008060000001FF3FF
      610000005B4944415478DA63601834E00403433B107F07E26E3C6ABAA16ADAB1
      498224FE43713F16F97E24F9EFB84CFF8FCD1034CDFF71BA128BC27E6C6284C2
      025D03F19A0918D24F4A8CF453DB76B2FD4F7C20521C8DD448489425E5010300
      A2D79A61DE3B78450000000049454E44AE426082}
    OnClick = CancelClick
  end
  object bandeiras: TImageList
    Width = 20
    Height = 14
  end
end

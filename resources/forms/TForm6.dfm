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
    OnClick = CancelClick
  end
  object bandeiras: TImageList
    Width = 20
    Height = 14
  end
end

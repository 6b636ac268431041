object Form56: TForm56
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Técnicos humanos'
  ClientWidth = 560
  ClientHeight = 380
  Color = 3355443
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  object Label10: TLabel
    Left = 20
    Top = 14
    Caption = 'Time 1'
    Font.Name = 'Arial'
    Font.Height = -20
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
    Visible = False
  end
  object Label9: TLabel
    Left = 20
    Top = 50
    Caption = 'Seu nome:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Edit1: TEdit
    Left = 20
    Top = 68
    Width = 240
    MaxLength = 25
    OnChange = Edit1Change
  end
  object Label11: TLabel
    Left = 290
    Top = 50
    Caption = 'Treinar time do país:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Combo1: TComboBox
    Left = 290
    Top = 68
    Width = 220
    Style = csDropDownList
    OnChange = Combo1Change
  end
  object Button1: TGradButton
    Left = 360
    Top = 330
    Width = 180
    Height = 30
    Caption = 'Iniciar jogo'
    Enabled = False
    OnClick = Button1Click
  end
  object combod1: TComboBoxEx
    Left = 20
    Top = 116
    Width = 300
    Style = csDropDownList
    DropDownCount = 21
    OnChange = combodChange
  end
  object combod2: TComboBoxEx
    Left = 20
    Top = 156
    Width = 300
    Style = csDropDownList
    DropDownCount = 21
    OnChange = combodChange
  end
  object combod3: TComboBoxEx
    Left = 20
    Top = 196
    Width = 300
    Style = csDropDownList
    DropDownCount = 21
    OnChange = combodChange
  end
  object combod4: TComboBoxEx
    Left = 20
    Top = 236
    Width = 300
    Style = csDropDownList
    DropDownCount = 21
    OnChange = combodChange
  end
  object combod5: TComboBoxEx
    Left = 20
    Top = 276
    Width = 300
    Style = csDropDownList
    DropDownCount = 21
    OnChange = combodChange
  end
  object ImageList1: TImageList
    Width = 18
    Height = 18
  end
end

object Form11: TForm11
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Técnicos humanos'
  ClientWidth = 800
  ClientHeight = 600
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
    Left = 600
    Top = 554
    Width = 180
    Height = 30
    Caption = 'Iniciar jogo'
    Enabled = False
    OnClick = Button1Click
  end
  object Label5: TLabel
    Left = 20
    Top = 106
    Caption = '1ª divisão'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Label6: TLabel
    Left = 215
    Top = 106
    Caption = '2ª divisão'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Label7: TLabel
    Left = 410
    Top = 106
    Caption = '3ª divisão'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
  object Label8: TLabel
    Left = 605
    Top = 106
    Caption = '4ª divisão'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Font.Color = 4202496
    Transparent = True
  end
end

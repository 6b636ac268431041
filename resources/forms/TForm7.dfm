object Form7: TForm7
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Adicionar Equipe'
  ClientWidth = 419
  ClientHeight = 364
  Color = 15134688
  Font.Name = 'Arial'
  Font.Height = -12
  Position = poScreenCenter
  OnCreate = FormCreate
  OnShow = FormShow
  OnClose = FormClose
  FormStyle = fsStayOnTop
  object Label1: TLabel
    Left = 12
    Top = 43
    Caption = 'Nome Completo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Edit1: TEdit
    Left = 130
    Top = 40
    Width = 180
    Height = 22
    MaxLength = 25
  end
  object Label2: TLabel
    Left = 12
    Top = 71
    Caption = 'Nome Abreviado:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Edit2: TEdit
    Left = 130
    Top = 68
    Width = 180
    Height = 22
    MaxLength = 25
  end
  object Label3: TLabel
    Left = 12
    Top = 99
    Caption = 'T'#233'cnico:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Edit3: TEdit
    Left = 130
    Top = 96
    Width = 180
    Height = 22
    MaxLength = 25
  end
  object Label4: TLabel
    Left = 12
    Top = 127
    Caption = 'Estadio:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Edit5: TEdit
    Left = 130
    Top = 124
    Width = 180
    Height = 22
    MaxLength = 30
  end
  object Label5: TLabel
    Left = 12
    Top = 155
    Caption = 'N'#237'vel inicial:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object ComboBox1: TComboBox
    Left = 130
    Top = 152
    Width = 60
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label6: TLabel
    Left = 12
    Top = 183
    Caption = 'Pa'#237's:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object combo1: TComboBoxEx
    Left = 130
    Top = 180
    Width = 180
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    OnChange = combo1Change
    OnKeyDown = combo1KeyDown
  end
  object Label7: TLabel
    Left = 12
    Top = 211
    Caption = 'Estado:'
    Font.Name = 'Arial'
    Font.Height = -12
    Visible = False
    Transparent = True
  end
  object estadocombo: TComboBoxEx
    Left = 130
    Top = 208
    Width = 90
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    Visible = False
  end
  object Label8: TLabel
    Left = 12
    Top = 243
    Caption = 'Cor de fundo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Shape1: TShape
    Left = 130
    Top = 240
    Width = 40
    Height = 20
    Cursor = crHandPoint
    OnMouseDown = Shape1MouseDown
  end
  object Label9: TLabel
    Left = 200
    Top = 243
    Caption = 'Cor de texto:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Shape2: TShape
    Left = 290
    Top = 240
    Width = 40
    Height = 20
    Cursor = crHandPoint
    OnMouseDown = Shape2MouseDown
  end
  object Label10: TLabel
    Left = 12
    Top = 275
    Caption = 'Nome do arquivo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Edit4: TEdit
    Left = 130
    Top = 272
    Width = 180
    Height = 22
    MaxLength = 21
  end
  object Image1: TImage
    Left = 326
    Top = 44
    Width = 80
    Height = 80
    Center = True
    Proportional = True
    Cursor = crHandPoint
    Hint = 'Clique para selecionar'
    ShowHint = True
    OnMouseDown = Image1MouseDown
  end
  object Label12: TLabel
    Left = 318
    Top = 132
    Width = 96
    Height = 30
    AutoSize = False
    WordWrap = True
    Alignment = taCenter
    Caption = 'Clique para selecionar'
    Font.Name = 'Arial'
    Font.Height = -11
    Transparent = True
  end
  object BitBtn1: TBitBtn
    Left = 189
    Top = 320
    Width = 100
    Height = 28
    Caption = 'Adicionar'
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 299
    Top = 320
    Width = 100
    Height = 28
    Caption = 'Cancelar'
    OnClick = BitBtn2Click
  end
  object bandeiras: TImageList
    Width = 20
    Height = 14
  end
  object estados: TImageList
    Width = 20
    Height = 14
  end
end

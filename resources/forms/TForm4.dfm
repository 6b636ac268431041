object Form4: TForm4
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Editar Equipe'
  ClientWidth = 419
  ClientHeight = 330
  Color = 15134688
  Font.Name = 'Arial'
  Font.Height = -12
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnShow = FormShow
  OnClose = FormClose
  OnKeyDown = FormKeyDown
  object Label1: TLabel
    Left = 12
    Top = 15
    Caption = 'Nome completo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Edit1: TEdit
    Left = 130
    Top = 12
    Width = 270
    Height = 22
    MaxLength = 25
    OnChange = EditChange
  end
  object Label2: TLabel
    Left = 12
    Top = 43
    Caption = 'Nome abreviado:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Edit2: TEdit
    Left = 130
    Top = 40
    Width = 270
    Height = 22
    MaxLength = 25
    OnChange = EditChange
  end
  object Label3: TLabel
    Left = 12
    Top = 71
    Caption = 'T'#233'cnico:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Edit3: TEdit
    Left = 130
    Top = 68
    Width = 270
    Height = 22
    MaxLength = 25
    OnChange = EditChange
  end
  object Label4: TLabel
    Left = 12
    Top = 99
    Caption = 'Est'#225'dio:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Edit4: TEdit
    Left = 130
    Top = 96
    Width = 270
    Height = 22
    MaxLength = 30
    OnChange = EditChange
  end
  object Label5: TLabel
    Left = 12
    Top = 127
    Caption = 'N'#237'vel Inicial:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object ComboBox1: TComboBox
    Left = 130
    Top = 124
    Width = 60
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    OnChange = EditChange
  end
  object Label6: TLabel
    Left = 12
    Top = 155
    Caption = 'Pa'#237's:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object combo1: TComboBoxEx
    Left = 130
    Top = 152
    Width = 180
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    OnChange = combo1Change
    OnKeyDown = combo1KeyDown
  end
  object Label7: TLabel
    Left = 12
    Top = 183
    Caption = 'Estado:'
    Font.Name = 'Arial'
    Font.Height = -12
    Visible = False
    Transparent = True
  end
  object estadocombo: TComboBoxEx
    Left = 130
    Top = 180
    Width = 90
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    OnChange = EditChange
    Visible = False
  end
  object Label8: TLabel
    Left = 12
    Top = 215
    Caption = 'Cor de Fundo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Shape1: TShape
    Left = 130
    Top = 212
    Width = 40
    Height = 20
    Cursor = crHandPoint
    OnMouseDown = Shape1MouseDown
  end
  object Label9: TLabel
    Left = 200
    Top = 215
    Caption = 'Cor de texto:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Shape2: TShape
    Left = 290
    Top = 212
    Width = 40
    Height = 20
    Cursor = crHandPoint
    OnMouseDown = Shape2MouseDown
  end
  object BitBtn1: TBitBtn
    Left = 189
    Top = 286
    Width = 100
    Height = 28
    Caption = 'Ok'
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 299
    Top = 286
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

object Form73: TForm73
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Sele'#231#227'o nacional'
  ClientWidth = 344
  ClientHeight = 319
  Color = 15134688
  Font.Name = 'Arial'
  Font.Height = -12
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnClose = FormClose
  object Label12: TLabel
    Left = 12
    Top = 10
    Caption = 'Adicionar Sele'#231#227'o'
    Font.Name = 'Arial'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = 26112
    Transparent = True
  end
  object Label1: TLabel
    Left = 12
    Top = 47
    Caption = 'Pais:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object combo1: TComboBoxEx
    Left = 110
    Top = 44
    Width = 200
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label2: TLabel
    Left = 12
    Top = 77
    Caption = 'N'#237'vel:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object ComboBox1: TComboBox
    Left = 110
    Top = 74
    Width = 60
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
  end
  object Label3: TLabel
    Left = 12
    Top = 107
    Caption = 'T'#233'cnico:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Edit3: TEdit
    Left = 110
    Top = 104
    Width = 220
    Height = 22
    MaxLength = 30
  end
  object Label4: TLabel
    Left = 12
    Top = 139
    Caption = 'Cor de fundo:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Shape1: TShape
    Left = 110
    Top = 136
    Width = 40
    Height = 20
    Cursor = crHandPoint
    OnMouseDown = Shape1MouseDown
  end
  object Label5: TLabel
    Left = 170
    Top = 139
    Caption = 'Cor de texto:'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Shape2: TShape
    Left = 260
    Top = 136
    Width = 40
    Height = 20
    Cursor = crHandPoint
    OnMouseDown = Shape2MouseDown
  end
  object Label6: TLabel
    Left = 12
    Top = 168
    Caption = 'S'#237'mbolo (opcional):'
    Font.Name = 'Arial'
    Font.Height = -12
    Transparent = True
  end
  object Bevel1: TBevel
    Left = 130
    Top = 168
    Width = 76
    Height = 76
  end
  object image1: TImage
    Left = 134
    Top = 172
    Width = 68
    Height = 68
    Center = True
    Proportional = True
    Cursor = crHandPoint
    Hint = 'Clique para selecionar'
    ShowHint = True
    OnMouseDown = image1MouseDown
  end
  object Label7: TLabel
    Left = 214
    Top = 198
    Caption = 'Clique para selecionar'
    Font.Name = 'Arial'
    Font.Height = -10
    Transparent = True
  end
  object BitBtn1: TBitBtn
    Left = 124
    Top = 279
    Width = 100
    Height = 28
    Caption = 'Adicionar'
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 234
    Top = 279
    Width = 100
    Height = 28
    Caption = 'Cancelar'
    OnClick = BitBtn2Click
  end
  object bandeiras: TImageList
    Width = 20
    Height = 14
  end
end

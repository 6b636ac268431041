object Form36: TForm36
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Classificação'
  ClientWidth = 794
  ClientHeight = 564
  FormStyle = fsStayOnTop
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  OnKeyDown = FormKeyDown
  object Button1: TGradButton
    Left = 752
    Top = 6
    Width = 34
    Height = 26
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = Button1Click
  end
  object comboboxd1: TComboBoxEx
    Left = 25
    Top = 40
    Width = 170
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    OnChange = combopaisChange
  end
  object combobox1: TComboBoxEx
    Left = 25
    Top = 40
    Width = 129
    Height = 22
    Style = csDropDownList
    DropDownCount = 16
    Visible = False
    OnChange = combo1Change
  end
  object flags: TImageList
    Width = 20
    Height = 14
  end
  object stateFlags: TImageList
    Width = 20
    Height = 14
  end
end

object Form29: TForm29
  Caption = 'Galeria de campeões'
  ClientWidth = 780
  ClientHeight = 544
  BorderStyle = bsDialog
  Position = poScreenCenter
  KeyPreview = True
  OnCreate = FormCreate
  object Label2: TLabel
    Left = 8
    Top = 13
    Caption = 'Ver:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object combo1: TComboBox
    Left = 44
    Top = 10
    Width = 200
    Height = 22
    Style = csDropDownList
    DropDownCount = 14
    Items.Strings = (
      'Nacional')
    OnChange = combo1Change
  end
  object combopais: TComboBoxEx
    Left = 256
    Top = 10
    Width = 180
    Height = 22
    Style = csDropDownList
    OnChange = combopaisChange
  end
  object combo2: TComboBoxEx
    Left = 256
    Top = 10
    Width = 180
    Height = 22
    Style = csDropDownList
    Visible = False
    OnChange = combo2Change
  end
  object ScrollBox1: TScrollBox
    Left = 8
    Top = 92
    Width = 764
    Height = 404
    object p_camp: TDcSmoothPanel
      Left = 0
      Top = 0
      Width = 744
      Height = 400
      Fill.Color = 16775408
      Fill.ColorTo = 16762250
      Fill.GradientType = gtVertical
      Fill.BorderColor = clNavy
      Fill.Rounding = 4
      Caption.HTMLLocation = plTopLeft
      Caption.HTMLTop = 6
      Caption.HTMLFont.Name = 'Arial'
      Caption.HTMLFont.Height = -12
    end
  end
  object GradButton1: TGradButton
    Left = 724
    Top = 506
    Width = 48
    Height = 30
    Caption = 'X'
    ColorScheme = csNeoRose
    OnClick = GradButton1Click
  end
  object ImageList1: TImageList
    Width = 18
    Height = 18
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

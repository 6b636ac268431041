object Form87: TForm87
  ClientWidth = 420
  ClientHeight = 200
  Color = 3379527
  object btjogar: TDcGlowButton
    Left = 300
    Top = 150
    Width = 110
    Height = 33
    Caption = 'Jogar >>'
    Font.Name = 'Arial'
    Font.Color = 3223857
    Font.Style = [fsBold]
    ParentFont = False
    Position = bpLeft
    Layout = blGlyphLeft
    Appearance.BorderColorHot = clGreen
    Appearance.BorderColorDown = clGreen
    Appearance.ColorDown = 16111818
    Appearance.GradientHot = ggRadial
    Appearance.SystemFont = False
    OnClick = btjogarClick
  end
  object cbtatica: TDcComboBox
    Left = 20
    Top = 20
    Width = 150
    Style = csDropDownList
    Color = 3379527
    Flat = True
    FocusColor = 3379527
    FocusBorderColor = 3379527
    FlatLineColor = 3379527
    Font.Color = clYellow
    ItemIndex = 1
    Items.Strings = (
      '4-4-2'
      '4-3-3')
  end
  object lbclube: TDcSmoothLabel
    Left = 20
    Top = 60
    Width = 300
    Height = 40
    Caption.Text = 'Clube Aurora'
    Caption.ColorStart = clWhite
    Caption.ColorEnd = clSilver
    Caption.Font.Name = 'Arial'
    Caption.Font.Style = [fsBold]
    Caption.Location = plCenterLeft
  end
end

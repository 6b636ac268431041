object FormTeste: TForm
  ClientWidth = 400
  ClientHeight = 300
  object Gradient1: TGradient
    Left = 0
    Top = 0
    Width = 400
    Height = 300
    Style = gsRadialBL
    ColorBegin = clBlue
    ColorEnd = clBlack
    Reverse = True
  end
  object GradButton1: TGradButton
    Left = 300
    Top = 260
    Caption = 'Continuar >>'
    ColorScheme = csNeoSky
    Layout = blGlyphTop
    ModalResult = 1
    Default = True
    OnClick = GradButton1Click
  end
  object bar1: TDcSmoothProgressBar
    Left = 10
    Top = 10
    Maximum = 100
    GlowAnimation = False
    ProgressAnimation = False
    Position = 35
  end
  object gp1: TProgressCyl
    Left = 10
    Top = 40
    Height = 22
    Text = '%'
    FontEffect = feShadowBottomRight
    BevelInner = bvLowered
    Position = 60
  end
end

object StubForm: TStubForm
  Caption = 'Tela'
  ClientWidth = 560
  ClientHeight = 260
  Color = clWhite
  BorderStyle = bsDialog
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -13
  object lbtitulo: TLabel
    Left = 24
    Top = 32
    Width = 512
    Height = 60
    AutoSize = False
    Alignment = taCenter
    WordWrap = True
    Transparent = True
    Caption = 'Tela'
    Font.Name = 'Arial'
    Font.Height = -22
    Font.Style = [fsBold]
    Font.Color = clNavy
  end
  object lbaviso: TLabel
    Left = 24
    Top = 112
    Width = 512
    Height = 40
    AutoSize = False
    Alignment = taCenter
    WordWrap = True
    Transparent = True
    Caption = 'Esta tela ainda est'#225' em constru'#231#227'o.'
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Color = clBlack
  end
  object btfechar: TGradButton
    Left = 144
    Top = 196
    Width = 120
    Height = 32
    Caption = 'Fechar'
    ColorScheme = csNeoSilver
    OnClick = btfecharClick
  end
  object btcontinuar: TGradButton
    Left = 296
    Top = 196
    Width = 120
    Height = 32
    Caption = 'Continuar'
    ColorScheme = csNeoSky
    Default = True
    OnClick = btcontinuarClick
  end
end

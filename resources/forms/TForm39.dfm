object Form39: TForm39
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Campeonato personalizado'
  ClientWidth = 660
  ClientHeight = 540
  Color = 3355443
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnShow = FormShow
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 660
    Height = 540
    BevelOuter = bvNone
    ParentBackground = True
    object Label1: TLabel
      Left = 20
      Top = 12
      Caption = 'Campeonato personalizado'
      Font.Name = 'Arial'
      Font.Height = -24
      Font.Style = [fsBold]
      Font.Color = 4202496
      Transparent = True
    end
    object Label8: TLabel
      Left = 20
      Top = 50
      Caption = 'Selecione os países que vão participar do campeonato:'
      Font.Name = 'Arial'
      Font.Height = -13
      Font.Style = [fsBold]
      Font.Color = 4202496
      Transparent = True
    end
    object Label10: TLabel
      Left = 20
      Top = 70
      Caption = '(neste tipo de camp. só é disputado a liga e a copa nacional)'
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = 4202496
      Transparent = True
    end
    object list1: TDataGrid
      Left = 20
      Top = 94
      Width = 300
      Height = 400
      GridLinesStyle = lsVerticalOnly
      HeaderSize = 20
      Options = [goHeader, goDisableColumnMoving]
      RowSize = 20
      object colflag: TDgImageColumn
        Position = 0
        Width = 26
      end
      object coltick: TDgImageColumn
        Position = 1
        Width = 22
      end
      object colpais: TDgTextColumn
        Header.Caption = 'País'
        Position = 2
        Width = 170
      end
      object coltimes: TDgNumberColumn
        Header.Caption = 'Times'
        Position = 3
        Width = 60
      end
      object colid: TDgNumberColumn
        Position = 4
        Visible = False
      end
    end
    object Label2: TLabel
      Left = 340
      Top = 100
      Caption = 'Países com times:'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 4202496
      Transparent = True
    end
    object Label4: TLabel
      Left = 500
      Top = 100
      Caption = '0'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = 4202496
      Transparent = True
    end
    object Label3: TLabel
      Left = 340
      Top = 124
      Caption = 'Países selecionados:'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 4202496
      Transparent = True
    end
    object Label5: TLabel
      Left = 500
      Top = 124
      Caption = '0'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = 4202496
      Transparent = True
    end
    object Label6: TLabel
      Left = 340
      Top = 148
      Caption = 'Times selecionados:'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 4202496
      Transparent = True
    end
    object Label7: TLabel
      Left = 500
      Top = 148
      Caption = '0'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = 4202496
      Transparent = True
    end
    object Label9: TLabel
      Left = 340
      Top = 172
      Width = 300
      Height = 48
      AutoSize = False
      WordWrap = True
      Caption = '(o limite para este campeonato é de 1000 clubes, alguns clubes selecionados não serão incluídos)'
      Font.Name = 'Arial'
      Font.Height = -11
      Font.Color = clMaroon
      Transparent = True
      Visible = False
    end
    object Label11: TLabel
      Left = 340
      Top = 236
      Caption = 'Sistema de disputa:'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = 4202496
      Transparent = True
    end
    object ComboBox1: TComboBox
      Left = 340
      Top = 256
      Width = 300
      Style = csDropDownList
      Items.Strings = (
        '4 divisões com 10 times cada'
        '2 divisões com 20 times cada')
      ItemIndex = 0
    end
    object ckcopaper: TCheckBox
      Left = 340
      Top = 294
      Width = 300
      Height = 20
      Caption = 'Jogar Copa de clubes'
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Color = 4202496
    end
    object GradButton1: TGradButton
      Left = 20
      Top = 504
      Width = 160
      Height = 28
      Caption = '<< Voltar'
      OnClick = GradButton1Click
    end
    object bt1: TGradButton
      Left = 480
      Top = 504
      Width = 160
      Height = 28
      Caption = 'Continuar >>'
      Enabled = False
      OnClick = bt1Click
    end
  end
end

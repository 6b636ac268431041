object Form50: TForm50
  BorderStyle = bsDialog
  Caption = 'Técnicos Humanos:'
  ClientWidth = 480
  ClientHeight = 300
  Color = clWhite
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -12
  OnCreate = FormCreate
  OnClose = FormClose
  object Label1: TLabel
    Left = 16
    Top = 12
    Caption = 'Técnicos Humanos:'
    Font.Name = 'Arial'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = clNavy
    Transparent = True
  end
  object list1: TListView
    Left = 16
    Top = 40
    Width = 448
    Height = 190
    ViewStyle = vsReport
    RowSelect = True
    ReadOnly = True
    HideSelection = False
    Columns = <
      item
        Width = 30
      end
      item
        Caption = 'Técnico'
        Width = 200
      end
      item
        Caption = 'Clube Atual'
        Width = 210
      end
      item
        Width = 0
      end>
    OnSelectItem = list1SelectItem
  end
  object bt1: TGradButton
    Left = 16
    Top = 246
    Width = 160
    Height = 32
    Caption = 'Remover selecionado'
    ColorScheme = csNeoSky
    Enabled = False
    OnClick = bt1Click
  end
  object bt2: TGradButton
    Left = 188
    Top = 246
    Width = 140
    Height = 32
    Caption = 'Adicionar novo'
    ColorScheme = csNeoSky
    OnClick = bt2Click
  end
  object GradButton2: TGradButton
    Left = 364
    Top = 246
    Width = 100
    Height = 32
    Caption = 'Fechar'
    ColorScheme = csNeoSilver
    OnClick = GradButton2Click
  end
end

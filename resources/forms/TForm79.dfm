object Form79: TForm79
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Transferir Jogador'
  ClientWidth = 380
  ClientHeight = 420
  Color = 15134688
  Font.Name = 'Arial'
  Font.Height = -12
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnClose = FormClose
  object Label1: TLabel
    Left = 12
    Top = 10
    Caption = 'Transferir Jogador'
    Font.Name = 'Arial'
    Font.Height = -16
    Font.Style = [fsBold]
    Font.Color = 26112
    Transparent = True
  end
  object Label2: TLabel
    Left = 12
    Top = 38
    Caption = ' para o clube:'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Transparent = True
  end
  object grid1: TDataGrid
    Left = 12
    Top = 60
    Width = 356
    Height = 306
    Options = [goHeader, goSelectFullRow, goGrid]
    ReadOnly = True
    RowSize = 20
    object idtr: TDgNumberColumn
      Position = 0
      Width = 30
      Visible = False
    end
    object clube: TDgTextColumn
      Position = 1
      Width = 170
      Header.Caption = 'Clube'
    end
    object paisimg: TDgImageColumn
      Position = 2
      Width = 26
    end
    object paisnome: TDgTextColumn
      Position = 3
      Width = 120
      Header.Caption = 'Pa'#237's'
    end
  end
  object GradButton1: TGradButton
    Left = 150
    Top = 378
    Width = 100
    Height = 28
    Caption = 'Transferir'
    OnClick = GradButton1Click
    ColorScheme = csGrass
  end
  object GradButton2: TGradButton
    Left = 260
    Top = 378
    Width = 100
    Height = 28
    Caption = 'Cancelar'
    OnClick = GradButton2Click
    ColorScheme = csGrass
  end
  object bandeiras: TImageList
    Width = 20
    Height = 14
  end
end

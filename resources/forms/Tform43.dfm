object form43: Tform43
  Left = 0
  Top = 0
  BorderStyle = bsSizeToolWin
  Caption = 'Selecione o arquivo'
  ClientWidth = 420
  ClientHeight = 330
  Color = 15134688
  Font.Name = 'Arial'
  Font.Height = -12
  KeyPreview = True
  Position = poScreenCenter
  FormStyle = fsStayOnTop
  OnShow = FormShow
  OnClose = FormClose
  object Label2: TLabel
    Left = 12
    Top = 10
    Caption = 'Selecione o arquivo'
    Font.Name = 'Arial'
    Font.Height = -14
    Font.Style = [fsBold]
    Font.Color = 26112
    Transparent = True
  end
  object list1: TDataGrid
    Left = 12
    Top = 36
    Width = 220
    Height = 240
    Options = [goSelectFullRow]
    ReadOnly = True
    RowSize = 18
    object arquivo: TDgTextColumn
      Position = 0
      Width = 200
    end
  end
  object Label1: TLabel
    Left = 250
    Top = 36
    Caption = 'Pr'#233'via'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsBold]
    Transparent = True
  end
  object Bevel1: TBevel
    Left = 246
    Top = 56
    Width = 164
    Height = 164
  end
  object Image1: TImage
    Left = 250
    Top = 60
    Width = 156
    Height = 156
    Center = True
    Proportional = True
  end
  object BitBtn1: TBitBtn
    Left = 200
    Top = 290
    Width = 100
    Height = 28
    Caption = 'OK'
    Enabled = False
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 310
    Top = 290
    Width = 100
    Height = 28
    Caption = 'Cancelar'
    OnClick = BitBtn2Click
  end
end

object Form1: TForm1
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Tarvelon'
  ClientWidth = 561
  ClientHeight = 377
  Color = clBlack
  KeyPreview = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnShow = FormShow
  OnClose = FormClose
  OnKeyDown = FormKeyDown
  object Image2: TImage
    Left = 0
    Top = 0
    Width = 561
    Height = 377
    OnMouseDown = Image2MouseDown
    OnMouseMove = Image2MouseMove
  end
  object Label2: TLabel
    Left = 244
    Top = 350
    Caption = 'carregando...'
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = clWhite
    Transparent = True
    Visible = False
  end
  object ImageList1: TImageList
    Width = 20
    Height = 14
  end
  object estados: TImageList
    Width = 20
    Height = 14
  end
end

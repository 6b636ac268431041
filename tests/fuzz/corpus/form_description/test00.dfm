object Form99: TForm99
  Caption = 'Opções'
  ClientWidth = 400
  ClientHeight = 300
  BorderStyle = bsDialog
  object Panel1: TPanel
    Align = alTop
    Height = 50
    PopupMenu = PopupMenu1
    object Label1: TLabel
      Left = 8
      Top = 6
      AutoSize = False
      Width = 120
      Caption = 'Velocidade'
      Font.Color = clRed
      Font.Height = -14
      Font.Style = [fsBold, fsUnderline]
      Tag = 7
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 2500
  end
  object UpDown1: TUpDown
    Associate = Edit1
    Min = 0
    Max = 10
    Position = 4
  end
  object Edit1: TEdit
    Top = 60
  end
  object PopupMenu1: TPopupMenu
    object Item1: TMenuItem
      Caption = 'Abrir'
      object Item2: TMenuItem
        Caption = 'Arquivo'
      end
    end
  end
end

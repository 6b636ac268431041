object Form99: TForm99
  object Label1: TLabel
    Caption = 'ok'
    Colour = clRed
  end
  object Grid1: TMysteryGrid
    object Inside: TLabel
    end
  end
  object Edit1: TEdit
    Left = 'dez'
    OnChange = Edit1Change
    OnClick = NobodysHandler
    MaxLength = 5
  end
  object Label2: TLabel
    Alignment = taMiddle
    FocusControl = Edit9
  end
end

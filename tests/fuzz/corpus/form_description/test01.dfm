object Form99: TForm99
  OnShow = FormShow
  OnKeyDown = formkeydown
  object btjogar: TButton
    Caption = 'Jogar'
    OnClick = btjogarClick
  end
end

object Form99: TForm99
  object bt1: TButton
    Caption = 'Um'
    Left = 5
  end
end

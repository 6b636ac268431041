inherited Form99: TForm99
  inherited bt1: TButton
    Caption = 'Dois'
  end
  inherited bt2: TButton
  end
end

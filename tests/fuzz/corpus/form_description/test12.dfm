object F: TForm
  Left = 10
  object L: TLabel
  end

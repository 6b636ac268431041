object F: TForm
  N = 12x
end

object F: TForm
  S = [a, ]
end

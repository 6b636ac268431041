object F: TForm
  Left 10
end

object F: TForm
  Data = {0A1}
end

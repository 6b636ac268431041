object Form99: TForm99
  Caption = 'x
end

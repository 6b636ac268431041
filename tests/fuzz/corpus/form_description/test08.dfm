object F: TForm
  A = 'it''s'
  B = 'Jo'#227'o'#13#10'Silva'
  C = 'Campeonato ' +
    'Brasileiro' + #33
  D = ''
  E = #$41'b'
end

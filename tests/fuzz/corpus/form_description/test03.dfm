object Form99: TForm99
  object X: TNoSuchThing
  end
end

object F: TForm
end
object G: TForm
end

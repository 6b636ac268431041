object F: TForm
  Left = -12
  Color = $00FF8000
  Ratio = 1.5E2
  Visible = False
  Font.Style = [fsBold, fsItalic]
  Anchors = []
  Items.Strings = (
    'um'
    'dois')
  Columns = <
    item
      Caption = 'P'
      Width = 30
    end
    item
    end>
  Picture.Data = {
    0A1B
    ff}
end

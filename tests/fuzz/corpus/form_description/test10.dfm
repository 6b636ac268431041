inherited Form13: TForm13
  // the hub
  object Panel1: TPanel
    object Label1: TLabel
      Caption = 'x'
    end
  end
  inherited btjogar: TButton
  end
END

object Form99: TForm99
  object Notebook1: TNotebook
    Width = 300
    Height = 200
    PageIndex = 1
    object TPage
      Caption = 'Default'
      object Label2: TLabel
        Caption = 'Faça aqui sua oferta'
      end
    end
    object TPage
      Caption = 'resultado'
      object Label16: TLabel
      end
    end
  end
end

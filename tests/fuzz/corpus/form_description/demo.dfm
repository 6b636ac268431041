object FormDemo: TFormDemo
  Caption = 'Demonstração'
  ClientWidth = 560
  ClientHeight = 400
  Color = clBtnFace
  Position = poScreenCenter
  KeyPreview = True
  OnKeyDown = FormKeyDown
  object Label1: TLabel
    Left = 12
    Top = 12
    Caption = 'Nome do técnico:'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
  end
  object Edit1: TEdit
    Left = 12
    Top = 32
    Width = 200
    MaxLength = 12
    OnChange = Edit1Change
  end
  object combopais: TComboBoxEx
    Left = 12
    Top = 64
    Width = 200
    Images = ImageList1
    ItemsEx = <
      item
        Caption = 'Brasil'
        ImageIndex = 0
      end
      item
        Caption = 'Argentina'
        ImageIndex = 1
      end
      item
        Caption = 'Uruguai'
        ImageIndex = 2
      end>
    OnChange = combopaisChange
  end
  object ListView1: TListView
    Left = 12
    Top = 96
    Width = 300
    Height = 160
    Columns = <
      item
        Caption = 'P'
        Width = 30
      end
      item
        Caption = 'Jogador'
        Width = 150
      end
      item
        Alignment = taRightJustify
        Caption = 'F'
        Width = 40
      end
      item
        Caption = 'id'
        Width = 0
      end>
    GridLines = True
    PopupMenu = PopupMenu1
    OnSelectItem = ListView1SelectItem
  end
  object escudo: TImage
    Left = 330
    Top = 96
    Width = 64
    Height = 64
    Stretch = True
    OnDragOver = escudoDragOver
    OnDragDrop = escudoDragDrop
  end
  object Shape1: TShape
    Left = 420
    Top = 96
    Width = 40
    Height = 40
    Brush.Color = clLime
    Pen.Color = clGreen
    Shape = stCircle
  end
  object list1: TListBox
    Left = 330
    Top = 170
    Width = 218
    Height = 86
    Items.Strings = (
      'Goleiro'
      'Zagueiro'
      'Meia-' + 'atacante'
      #65'tacante')
    OnMouseDown = list1MouseDown
    OnEndDrag = list1EndDrag
  end
  object Panel1: TPanel
    Left = 12
    Top = 268
    Width = 536
    Height = 64
    BevelOuter = bvLowered
    Color = 13434828
    object CheckBox1: TCheckBox
      Left = 8
      Top = 8
      Caption = 'Estrela'
      OnClick = CheckBox1Click
    end
    object RadioGroup1: TRadioGroup
      Left = 120
      Top = 4
      Width = 160
      Height = 56
      Caption = 'Lado'
      Columns = 2
      Items.Strings = (
        'Direito'
        'Esquerdo')
      ItemIndex = 0
    end
    object GradButton1: TGlowDemoButton
      Left = 400
      Top = 12
      Width = 120
      Height = 40
      Caption = 'Escalar Time'
      GlowColor = clYellow
      OnClick = GradButton1Click
    end
  end
  object g1: TGauge
    Left = 12
    Top = 350
    Width = 105
    Height = 17
    MaxValue = 45
    Progress = 30
    ForeColor = clNavy
    BackColor = clAqua
    ShowText = False
  end
  object Bevel1: TBevel
    Left = 130
    Top = 344
    Width = 180
    Height = 2
    Shape = bsTopLine
  end
  object bt3: TBitBtn
    Left = 330
    Top = 350
    Width = 100
    Height = 30
    Caption = 'Cancelar'
    Kind = bkCancel
  end
  object btjogar: TButton
    Left = 440
    Top = 350
    Width = 108
    Height = 30
    Caption = '&Jogar'
    Default = True
    OnClick = btjogarClick
  end
  object ImageList1: TImageList
    Width = 20
    Height = 14
  end
  object PopupMenu1: TPopupMenu
    OnPopup = PopupMenu1Popup
    object Salvar: TMenuItem
      Caption = 'Salvar jogo'
      ShortCut = 113
      OnClick = SalvarClick
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object Sairdojogo1: TMenuItem
      Caption = 'Sair do jogo'
      ShortCut = 'Ctrl+F'
      OnClick = Sairdojogo1Click
    end
  end
end

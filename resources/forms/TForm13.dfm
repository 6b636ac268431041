object Form13: TForm13
  Left = 0
  Top = 0
  BorderStyle = bsSingle
  Caption = 'Tarvelon'
  ClientWidth = 800
  ClientHeight = 600
  Color = clBlack
  KeyPreview = True
  Position = poScreenCenter
  Font.Name = 'Arial'
  Font.Height = -11
  Font.Color = clWhite
  OnCreate = FormCreate
  OnShow = FormShow
  OnClose = FormClose
  OnPaint = FormPaint
  OnKeyDown = FormKeyDown
  object Gradient1: TGradient
    Left = 0
    Top = 0
    Width = 800
    Height = 600
    Align = alClient
    ColorBegin = clBlue
    ColorEnd = clBlack
    Style = gsRadialBL
    Reverse = True
  end
  object nova_barra: TImage
    Left = 0
    Top = 0
    Width = 800
    Height = 66
    ShowHint = True
    Stretch = True
    OnMouseDown = nova_barraMouseDown
    OnMouseMove = nova_barraMouseMove
  end
  object escudo: TImage
    Left = 10
    Top = 72
    Width = 72
    Height = 72
    Center = True
    Proportional = True
    Stretch = True
    Transparent = True
  end
  object nometime_shad: TDcSmoothLabel
    Left = 92
    Top = 70
    Width = 420
    Height = 38
    Transparent = True
  end
  object nometime: TDcSmoothLabel
    Left = 90
    Top = 68
    Width = 420
    Height = 38
    Transparent = True
  end
  object lb_tec: TRichLabel
    Left = 92
    Top = 106
    Width = 300
    Height = 18
    Font.Name = 'Arial'
    Font.Height = -13
    OnClick = lb_tecClick
  end
  object lb_infot: TRichLabel
    Left = 92
    Top = 125
    Width = 300
    Height = 18
    Font.Name = 'Arial'
    Font.Height = -12
  end
  object lab_data: TRichLabel
    Left = 400
    Top = 106
    Width = 120
    Height = 18
    Font.Name = 'Arial'
    Font.Height = -12
  end
  object labmoney: TRichLabel
    Left = 536
    Top = 72
    Width = 216
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Hint = 'Finanças do clube'
    ShowHint = True
    OnClick = labmoneyClick
  end
  object label32: TRichLabel
    Left = 536
    Top = 94
    Width = 216
    Height = 18
    Font.Name = 'Arial'
    Font.Height = -12
    Hint = 'Abrir caixa de emails (F7)'
    ShowHint = True
    OnClick = label32Click
  end
  object Image9: TImage
    Left = 516
    Top = 74
    Width = 16
    Height = 16
    Cursor = crHandPoint
    Hint = 'Finanças do clube'
    ShowHint = True
    Transparent = True
    OnClick = labmoneyClick
  end
  object imgj: TImage
    Left = 516
    Top = 95
    Width = 16
    Height = 16
    Cursor = crHandPoint
    Hint = 'Abrir caixa de emails (F7)'
    ShowHint = True
    Transparent = True
    OnClick = label32Click
  end
  object imgmoral: TImage
    Left = 764
    Top = 72
    Width = 24
    Height = 24
    Hint = 'Ânimo do elenco'
    ShowHint = True
    Transparent = True
  end
  object lb_cd: TRichLabel
    Left = 536
    Top = 114
    Width = 70
    Height = 16
    Font.Name = 'Arial'
    Font.Height = -11
  end
  object bar1: TDcSmoothProgressBar
    Left = 610
    Top = 114
    Width = 178
    Height = 14
    Hint = 'Confiança da diretoria'
    ShowHint = True
  end
  object lb_ct: TRichLabel
    Left = 536
    Top = 131
    Width = 70
    Height = 16
    Font.Name = 'Arial'
    Font.Height = -11
  end
  object bar2: TDcSmoothProgressBar
    Left = 610
    Top = 131
    Width = 178
    Height = 14
    Hint = 'Confiança da torcida'
    ShowHint = True
  end
  object Label12: TLabel
    Left = 10
    Top = 152
    Caption = 'Elenco'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Transparent = True
  end
  object gridview1: TDataGrid
    Left = 8
    Top = 170
    Width = 522
    Height = 352
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    RowSize = 20
    SelectionColor = clNavy
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Color = clBlack
    OnSelectCell = gridview1SelectCell
    OnCellColoring = gridview1CellColoring
    OnCellFormating = gridview1CellFormating
    OnHeaderClick = gridview1HeaderClick
    OnDblClick = gridview1DblClick
    PopupMenu = PopupMenu1
    object id: TDgNumberColumn
      Position = 0
      Visible = False
    end
    object status: TDgImageColumn
      Position = 1
      Width = 24
      Options = [coCanClick, coCanSort]
    end
    object posicaojog: TDgTextColumn
      Header.Caption = 'P'
      Position = 2
      Width = 20
      Alignment = taCenter
      Options = [coCanClick]
    end
    object condicao: TDgImageColumn
      Position = 3
      Width = 20
      Options = [coCanClick, coCanSort]
    end
    object nome: TDgTextColumn
      Header.Caption = 'Nome'
      Position = 4
      Width = 110
      Options = [coCanClick, coCanSort]
    end
    object funcaojog: TDgTextColumn
      Header.Caption = 'Lado'
      Position = 5
      Width = 28
      Alignment = taCenter
      Options = [coCanClick, coCanSort]
    end
    object forca: TDgNumberColumn
      Header.Caption = 'F'
      Position = 6
      Width = 26
      Options = [coCanClick, coCanSort]
    end
    object energia: TDgProgressColumn
      Header.Caption = 'Energia'
      Position = 7
      Width = 46
      Options = [coCanClick, coCanSort]
    end
    object salario: TDgTextColumn
      Header.Caption = 'Salário'
      Position = 8
      Width = 58
      Alignment = taRightJustify
      Options = [coCanClick]
    end
    object passe: TDgTextColumn
      Header.Caption = 'Passe'
      Position = 9
      Width = 54
      Alignment = taRightJustify
      Options = [coCanClick]
    end
    object gols: TDgNumberColumn
      Header.Caption = 'G'
      Position = 10
      Width = 22
      Options = [coCanClick, coCanSort]
    end
    object habilidades: TDgTextColumn
      Header.Caption = 'Car.'
      Position = 11
      Width = 48
      Options = [coCanClick, coCanSort]
    end
    object idade: TDgNumberColumn
      Header.Caption = 'I'
      Position = 12
      Width = 22
      Options = [coCanClick, coCanSort]
    end
    object moral: TDgImageColumn
      Header.Caption = 'M'
      Position = 13
      Width = 22
      Options = [coCanClick, coCanSort]
    end
    object passet: TDgNumberColumn
      Position = 14
      Visible = False
    end
    object salariot: TDgNumberColumn
      Position = 15
      Visible = False
    end
    object colstatus: TDgTextColumn
      Position = 16
      Visible = False
    end
  end
  object lb_total: TRichLabel
    Left = 10
    Top = 526
    Width = 200
    Height = 18
    Font.Name = 'Arial'
    Font.Height = -12
  end
  object btvender: TDcGlowButton
    Left = 8
    Top = 552
    Width = 70
    Height = 30
    Caption = 'vender'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = 3223857
    ParentFont = False
    Position = bpLeft
    Appearance.SystemFont = False
    OnClick = btvenderClick
  end
  object btalterasal: TDcGlowButton
    Left = 82
    Top = 552
    Width = 70
    Height = 30
    Caption = 'contrato'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = 3223857
    ParentFont = False
    Position = bpLeft
    Appearance.SystemFont = False
    OnClick = btalterasalClick
  end
  object btaposenta: TDcGlowButton
    Left = 156
    Top = 552
    Width = 76
    Height = 30
    Caption = 'aposentar'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = 3223857
    ParentFont = False
    Position = bpLeft
    Appearance.SystemFont = False
    OnClick = btaposentaClick
  end
  object Button4: TDcGlowButton
    Left = 236
    Top = 552
    Width = 150
    Height = 30
    Caption = 'Retirar da lista de venda'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = 3223857
    ParentFont = False
    Position = bpLeft
    Appearance.SystemFont = False
    Visible = False
    OnClick = Button4Click
  end
  object btjogar: TDcGlowButton
    Left = 392
    Top = 546
    Width = 138
    Height = 40
    Caption = 'Escalar Time'
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -15
    Font.Style = [fsBold]
    Font.Color = 3223857
    ParentFont = False
    Position = bpLeft
    Appearance.BorderColorHot = clGreen
    Appearance.BorderColorDown = clGreen
    Appearance.BorderColorChecked = clGreen
    Picture.Data = {
      89504E470D0A1A0A0000000D49484452000000100000001008060000001FF3FF
      61000001C64944415478DA9D53CDAAB1611435F886AEC1151C25034C98204A4A
      24F92B1323921B9022039760741828460CA40C78A548464AA44C48495C82C13A
      D6EE78F31EE79CEFEB7B6AD5EE79F6DA3F6BEF47A7FBE198CD66FD1D6F9FD0EB
      FEF5DC9DBD77281E8FE7964AA540D0E61DDF7E23FEB9E3DD6834A256ABE17ABD
      62381C0A68F38E6FF4A1EF7701DE43A11082C1200E878390DAEDB68036EFF846
      1FFABE949D4C26713E9FC5F981E700C4E572C1F178443C1E87A61DF6371E8F35
      64A2D56A091EE4D3E984FD7E8F5EAFC7008AAA3645EA743A884422A856AB984C
      26188D46B0D96C02DA8AA2A052A9201C0EA35EAFC3E572DD643A1C13956616B6
      40D14AA5120C068306854201DD6E17ABD50ACBE512D1689455BC49000AF3B57F
      AFD7AB92DD6E3776BB1DD6EBB590E7F339FC7EBF1A406F32996E3E9F4F132093
      C9C06AB5C262B1209D4EABE4C56201A7D30972D405A3201CD1834C91F2F9BC08
      C6CCD96C168D4643C8D3E954AA53457C8C31168B491BDBED168944029BCD462D
      7B369B89C0FD7E5F340A040278D94A2E47B95C964C83C140D33333379B4D9950
      2E977B5DA4E755E6923013C90C582C16A56C06669B3FAEF2D7CFE470386EDC7D
      C26EB7FFFD33FDEF77FE006DFBC8B9469969200000000049454E44AE426082}
    OnClick = btjogarClick
  end
  object Label24: TLabel
    Left = 538
    Top = 152
    Caption = 'Próximo jogo'
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold]
    Transparent = True
  end
  object esc1: TImage
    Left = 538
    Top = 172
    Width = 56
    Height = 56
    Center = True
    Proportional = True
    Stretch = True
    Transparent = True
  end
  object lb_infonext: TRichLabel
    Left = 600
    Top = 170
    Width = 192
    Height = 58
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -12
    OnClick = opponentLabelClick
  end
  object Image13: TImage
    Left = 600
    Top = 232
    Width = 24
    Height = 24
    Hint = 'Histórico confrontos'
    ShowHint = True
    OnClick = Image13Click
  end
  object icon_arbitro: TImage
    Left = 630
    Top = 232
    Width = 24
    Height = 24
    ShowHint = True
    OnClick = icon_arbitroClick
  end
  object pinfo_panel: TDcSmoothPanel
    Left = 536
    Top = 264
    Width = 256
    Height = 322
    Fill.Color = clWhite
    Fill.ColorTo = clWhite
    Fill.Opacity = 40
    Fill.OpacityTo = 12
    Fill.GradientType = gtVertical
    Fill.BorderColor = clSilver
    Fill.BorderWidth = 2
    Fill.Rounding = 6
    object lb_infojogn: TRichLabel
      Left = 8
      Top = 6
      Width = 240
      Height = 20
      Font.Name = 'Arial'
      Font.Height = -13
      OnClick = opponentLabelClick
    end
    object Image1: TImage
      Left = 226
      Top = 28
      Width = 20
      Height = 14
    end
    object lb_infojog: TRichLabel
      Left = 8
      Top = 46
      Width = 240
      Height = 240
      Font.Name = 'Arial'
      Font.Height = -12
      OnClick = opponentLabelClick
    end
    object Image4: TImage
      Left = 8
      Top = 290
      Width = 24
      Height = 24
      Hint = 'Carreira do jogador'
      ShowHint = True
      OnClick = Image4Click
    end
  end
  object p_conf: TPanel
    Left = 536
    Top = 264
    Width = 256
    Height = 322
    BevelOuter = bvNone
    ParentColor = True
    Visible = False
    object pimg: TImage
      Left = 8
      Top = 6
      Width = 40
      Height = 40
      Center = True
      Proportional = True
      Stretch = True
    end
    object lb_conft1: TRichLabel
      Left = 54
      Top = 6
      Width = 196
      Height = 18
      Font.Name = 'Arial'
      Font.Height = -12
      OnClick = lb_conftClick
    end
    object pimg2: TImage
      Left = 8
      Top = 50
      Width = 40
      Height = 40
      Center = True
      Proportional = True
      Stretch = True
    end
    object lb_conft2: TRichLabel
      Left = 54
      Top = 50
      Width = 196
      Height = 18
      Font.Name = 'Arial'
      Font.Height = -12
      OnClick = lb_conftClick
    end
    object lb_conf1: TRichLabel
      Left = 8
      Top = 98
      Width = 244
      Height = 18
      Font.Name = 'Arial'
      Font.Height = -12
      OnClick = opponentLabelClick
    end
    object lb_conf2: TRichLabel
      Left = 8
      Top = 120
      Width = 244
      Height = 60
      Font.Name = 'Arial'
      Font.Height = -11
      OnClick = opponentLabelClick
    end
    object lb_conf3: TRichLabel
      Left = 8
      Top = 186
      Width = 244
      Height = 80
      Font.Name = 'Arial'
      Font.Height = -11
      OnClick = lb_conf3Click
    end
    object lb_conf4: TRichLabel
      Left = 8
      Top = 270
      Width = 244
      Height = 40
      Font.Name = 'Arial'
      Font.Height = -11
      OnClick = opponentLabelClick
    end
  end
  object Image10: TImage
    Left = 222
    Top = 527
    Width = 16
    Height = 16
    Cursor = crHandPoint
    Hint = 'Cores do time'
    ShowHint = True
    Stretch = True
    Transparent = True
    OnClick = lb_coresClick
  end
  object lb_cores: TRichLabel
    Left = 242
    Top = 527
    Width = 120
    Height = 18
    Cursor = crHandPoint
    Font.Name = 'Arial'
    Font.Height = -12
    OnClick = lb_coresClick
  end
  object Label23: TLabel
    Left = 380
    Top = 528
    Cursor = crHandPoint
    Caption = 'Página do Tarvelon'
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Style = [fsUnderline]
    Transparent = True
    OnClick = Label23Click
  end
  object PopupMenu1: TPopupMenu
    OnPopup = PopupMenu1Popup
    object Alterarsalrio1: TMenuItem
      Caption = 'Propor contrato'
      OnClick = hubMenuClick
    end
    object Venderjogador1: TMenuItem
      Caption = 'Vender jogador'
      OnClick = hubMenuClick
    end
    object Aposentarjogador1: TMenuItem
      Caption = 'Aposentar jogador'
      OnClick = hubMenuClick
    end
    object Escolhernmero1: TMenuItem
      Caption = 'Escolher número'
      OnClick = hubMenuClick
    end
    object HistricoJogos1: TMenuItem
      Caption = 'Histórico do Jogador'
      OnClick = hubMenuClick
    end
    object CancelarEmprstimo1: TMenuItem
      Caption = 'Cancelar Empréstimo'
      OnClick = hubMenuClick
    end
    object Comprarjogador1: TMenuItem
      Caption = 'Comprar jogador'
      OnClick = hubMenuClick
    end
    object Disponibilizarparaemprstimo1: TMenuItem
      Caption = 'Pôr para empréstimo'
      OnClick = hubMenuClick
    end
    object Retirardoemprstimo1: TMenuItem
      Caption = 'Não pôr para empréstimo'
      OnClick = hubMenuClick
    end
  end
  object PopupMenu2: TPopupMenu
    object Salvar: TMenuItem
      Caption = 'Salvar jogo'
      ShortCut = 'F2'
      OnClick = hubMenuClick
    end
    object opcoes: TMenuItem
      Caption = 'Opções'
      ShortCut = 'F3'
      OnClick = hubMenuClick
    end
    object Sedemitir1: TMenuItem
      Caption = 'Se demitir'
      OnClick = hubMenuClick
    end
    object Sairdojogo1: TMenuItem
      Caption = 'Sair do jogo'
      OnClick = hubMenuClick
    end
    object Sobreojogo1: TMenuItem
      Caption = 'Sobre o jogo'
      OnClick = hubMenuClick
    end
  end
  object PopupMenu3: TPopupMenu
    OnPopup = PopupMenu3Popup
    object MenuItem3: TMenuItem
      Caption = 'Ranking de Técnicos'
      OnClick = hubMenuClick
    end
    object MenuItem5: TMenuItem
      Caption = 'Adicionar/Remover ténicos'
      OnClick = hubMenuClick
    end
    object ltimascontrataesdetcnicos1: TMenuItem
      Caption = 'Últimas contratações de técnicos'
      OnClick = hubMenuClick
    end
  end
  object PopupMenu4: TPopupMenu
    object Rankingdeclubes1: TMenuItem
      Caption = 'Ranking de clubes'
      OnClick = hubMenuClick
    end
    object RansfernciasJogadores1: TMenuItem
      Caption = 'Transferências de Jogadores'
      OnClick = hubMenuClick
    end
    object Histricocompletodejogos1: TMenuItem
      Caption = 'Histórico completo de confrontos'
      OnClick = hubMenuClick
    end
    object Estatsticasgerais1: TMenuItem
      Caption = 'Estatísticas gerais'
      Visible = False
      OnClick = hubMenuClick
    end
  end
  object PopupMenu6: TPopupMenu
    object Finanas1: TMenuItem
      Caption = 'Finanças do Time'
      ShortCut = 'Ctrl+F'
      OnClick = hubMenuClick
    end
    object Emprstimobancrio1: TMenuItem
      Caption = 'Empréstimo bancário'
      OnClick = hubMenuClick
    end
  end
  object PopupMenu7: TPopupMenu
    OnPopup = PopupMenu7Popup
    object mn_seutime: TMenuItem
      Caption = 'Jogos do seu time'
      ShortCut = 'F4'
      OnClick = hubMenuClick
    end
    object MenuItem7: TMenuItem
      Caption = 'Tabela de jogos'
      ShortCut = 'Ctrl+T'
      OnClick = hubMenuClick
    end
    object mn_copa: TMenuItem
      Caption = 'Tabela Copa'
      OnClick = hubMenuClick
    end
    object mn_lib: TMenuItem
      Caption = '2ª fase - Competições internacionais'
      OnClick = hubMenuClick
    end
    object JogosAmistosos1: TMenuItem
      Caption = 'Jogos Amistosos'
      ShortCut = 'F9'
      OnClick = hubMenuClick
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 500
    OnTimer = Timer1Timer
  end
  object ImageList1: TImageList
    Width = 16
    Height = 16
  end
  object ImageList2: TImageList
    Width = 16
    Height = 16
  end
  object ImageList3: TImageList
    Width = 24
    Height = 24
  end
  object ImageList5: TImageList
    Width = 24
    Height = 18
  end
end

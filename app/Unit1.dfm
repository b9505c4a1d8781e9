object Form1: TForm1
  Left = 869
  Top = 316
  BorderIcons = []
  BorderStyle = bsSingle
  Caption = '语音计算器'
  ClientHeight = 354
  ClientWidth = 394
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -7
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnCreate = FormCreate
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 394
    Height = 297
    ActivePage = TabSheet1
    Align = alTop
    TabOrder = 1
    object TabSheet1: TTabSheet
      Caption = '语音计算'
      object Edit1: TEdit
        Left = 8
        Top = 8
        Width = 373
        Height = 28
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 0
      end
      object Button1: TButton
        Left = 7
        Top = 40
        Width = 50
        Height = 50
        Caption = '1'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 12
        OnClick = Button1Click
      end
      object Button2: TButton
        Left = 64
        Top = 40
        Width = 50
        Height = 50
        Caption = '2'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 1
        OnClick = Button2Click
      end
      object Button3: TButton
        Left = 120
        Top = 40
        Width = 50
        Height = 50
        Caption = '3'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 2
        OnClick = Button3Click
      end
      object Button4: TButton
        Left = 8
        Top = 96
        Width = 50
        Height = 50
        Caption = '4'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 3
        OnClick = Button4Click
      end
      object Button5: TButton
        Left = 64
        Top = 96
        Width = 50
        Height = 50
        Caption = '5'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 4
        OnClick = Button5Click
      end
      object Button6: TButton
        Left = 120
        Top = 96
        Width = 50
        Height = 50
        Caption = '6'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 5
        OnClick = Button6Click
      end
      object Button7: TButton
        Left = 8
        Top = 152
        Width = 50
        Height = 50
        Caption = '7'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 6
        OnClick = Button7Click
      end
      object Button8: TButton
        Left = 64
        Top = 152
        Width = 50
        Height = 50
        Caption = '8'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 7
        OnClick = Button8Click
      end
      object Button9: TButton
        Left = 120
        Top = 152
        Width = 50
        Height = 50
        Caption = '9'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 8
        OnClick = Button9Click
      end
      object Button10: TButton
        Left = 8
        Top = 208
        Width = 100
        Height = 50
        Caption = '0'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 9
        OnClick = Button10Click
      end
      object Button12: TButton
        Left = 120
        Top = 208
        Width = 50
        Height = 50
        Caption = '.'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -32
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 10
        OnClick = Button12Click
      end
      object Button11: TButton
        Left = 192
        Top = 40
        Width = 92
        Height = 50
        BiDiMode = bdLeftToRight
        Caption = '←'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -13
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 11
        OnClick = Button11Click
      end
      object Button13: TButton
        Left = 192
        Top = 96
        Width = 45
        Height = 50
        Caption = '+'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 13
        OnClick = Button13Click
      end
      object Button14: TButton
        Left = 240
        Top = 96
        Width = 45
        Height = 50
        Caption = '-'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 14
        OnClick = Button14Click
      end
      object Button15: TButton
        Left = 288
        Top = 96
        Width = 45
        Height = 50
        Caption = '×'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 15
        OnClick = Button15Click
      end
      object Button16: TButton
        Left = 336
        Top = 96
        Width = 45
        Height = 50
        Caption = '÷'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 16
        OnClick = Button16Click
      end
      object Button17: TButton
        Left = 192
        Top = 152
        Width = 189
        Height = 105
        Caption = '='
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 17
        OnClick = Button17Click
      end
      object Button18: TButton
        Left = 336
        Top = 40
        Width = 45
        Height = 50
        Caption = 'CE'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -19
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 18
        OnClick = Button18Click
      end
      object Button19: TButton
        Left = 288
        Top = 40
        Width = 45
        Height = 50
        Caption = 'AC'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -19
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
        ParentFont = False
        TabOrder = 19
        OnClick = Button19Click
      end
      object Button_Read: TButton
        Left = 192
        Top = 260
        Width = 75
        Height = 25
        Caption = '读出结果'
        TabOrder = 20
        Visible = False
        OnClick = Button_ReadClick
      end
    end
    object TabSheet2: TTabSheet
      Caption = '关于我们'
      ImageIndex = 1
      object Label1: TLabel
        Left = 24
        Top = 36
        Width = 79
        Height = 13
        Caption = '语音计算器Ver '
      end
      object Label2: TLabel
        Left = 24
        Top = 64
        Width = 161
        Height = 13
        Caption = '官方网站 http://www.example.com/'
        OnClick = Label2Click
      end
      object Label3: TLabel
        Left = 24
        Top = 88
        Width = 145
        Height = 13
        Caption = '联系方式 contact@example.com'
      end
      object Edit_VER: TEdit
        Left = 104
        Top = 32
        Width = 121
        Height = 21
        ReadOnly = True
        TabOrder = 0
        Text = '1.0.20101209'
      end
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 332
    Width = 394
    Height = 22
    Cursor = crHandPoint
    Panels = <
      item
        Text = '官方网站 www.example.com  域名 example.com  交流群 10000'
        Width = 50
      end>
    SimplePanel = False
    OnClick = StatusBar1Click
  end
  object Button20: TButton
    Left = 312
    Top = 304
    Width = 74
    Height = 25
    Caption = '退出'
    TabOrder = 2
    OnClick = Button20Click
  end
  object Button21: TButton
    Left = 232
    Top = 304
    Width = 74
    Height = 25
    Caption = '软件升级'
    TabOrder = 3
    OnClick = Button21Click
  end
  object Button22: TButton
    Left = 152
    Top = 304
    Width = 74
    Height = 25
    Caption = '高级计算器'
    TabOrder = 4
    OnClick = Button22Click
  end
  object Button23: TButton
    Left = 72
    Top = 304
    Width = 74
    Height = 25
    Caption = '在线计算器'
    TabOrder = 5
    OnClick = Button23Click
  end
  object SkinData1: TSkinData
    Active = True
    DisableTag = 99
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox,
      xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton,
      xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu]
    Options = [xoPreview, xoToolbarBK, xoCaptionButtonHint]
    Skin3rd.Strings = (
      'TCategoryButtons=scrollbar'
      'TVirtualStringTree=scrollbar'
      'TVirtualDrawTree=scrollbar'
      'TAdvPanelGroup=scrollbar'
      'THTMLViewer=scrollbar'
      'TDBCtrlGrid=scrollbar'
      'TImageEnMView=scrollbar'
      'TImageEnView=scrollbar'
      'TAdvMemo=scrollbar'
      'TDBAdvMemo=scrollbar'
      'TPngSpeedbutton=pngspeedbutton'
      'TPngBitBtn=pngbitbtn'
      'TTBXDockablePanel=Panel'
      'TControlBar=Panel'
      'TTBDock=Panel'
      'TTBToolbar=Panel'
      'TLMDGROUPBOX=Panel'
      'TLMDSIMPLEPANEL=Panel'
      'TLMDDBCalendar=Panel'
      'TLMDButtonPanel=Panel'
      'TLMDLMDCalculator=Panel'
      'TLMDHeaderPanel=Panel'
      'TLMDTechnicalLine=Panel'
      'TLMDLMDClock=Panel'
      'TRzGroup=panel'
      'TLMDCalculator=panel'
      'TLMDTrackbar=panel'
      'TComboboxex=combobox'
      'TcxDBLookupComboBox=combobox'
      'TcxDBComboBox=combobox'
      'TcxDBDateEdit=combobox'
      'TcxDBImageComboBox=combobox'
      'TcxDBCalcEdit=combobox'
      'TcxDBBlobEdit=combobox'
      'TcxDBPopupEdit=combobox'
      'TcxDBFontNameComboBox=combobox'
      'TcxDBShellComboBox=combobox'
      'TRxLookupEdit=combobox'
      'TRxDBLookupCombo=combobox'
      'TRzDateTimeEdit=combobox'
      'TRzColorEdit=combobox'
      'TRzDateTimePicker=combobox'
      'TRzDBDateTimeEdit=combobox'
      'TRzDbColorEdit=combobox'
      'TRzDBDateTimePicker=combobox'
      'TLMDListCombobox=combobox'
      'TLMDCheckListCombobox=combobox'
      'TLMDHeaderListCombobox=combobox'
      'TLMDImageCombobox=combobox'
      'TLMDColorCombobox=combobox'
      'TLMDFontCombobox=combobox'
      'TLMDFontSizeCombobox=combobox'
      'TLMDFontSizeCombobox=combobox'
      'TLMDPrinterCombobox=combobox'
      'TLMDDriveCombobox=combobox'
      'TLMDCalculatorComboBox=combobox'
      'TLMDTrackBarComboBox=combobox'
      'TLMDCalendarComboBox=combobox'
      'TLMDTreeComboBox=combobox'
      'TWWTempKeyCombo=combobox'
      'TDBLookupCombobox=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWDBLookupCombo=Combobox'
      'TWWKeyCombo=Combobox'
      'TWWDBDateTimePicker=Combobox'
      'TRxSpeedButton=speedbutton'
      'TfrSpeedButton=speedbutton'
      'TfrTBButton=speedbutton'
      'TRzButton=button'
      'TRzBitbtn=bitbtn'
      'TLMDButton=bitbtn'
      'TcxButton=bitbtn'
      'TRzMenuButton=menubtn'
      'TRzCheckGroup=CheckGroup'
      'TLMDCheckGroup=CheckGroup'
      'TLMDDBCheckGroup=CheckGroup'
      'TRzRadioGroup=Radiogroup'
      'TRzDBRadioGroup=Radiogroup'
      'TLMDRADIOGROUP=radiogroup'
      'TLMDDBRADIOGROUP=radiogroup'
      'TWWRADIOGROUP=radiogroup'
      'TcxDBRadioGroup=radiogroup'
      'TcxRadioGroup=radiogroup'
      'TRzDBRadioButton=Radiobutton'
      'TLMDRadiobutton=Radiobutton'
      'TRzButtonEdit=Edit'
      'TLMDEDIT=Edit'
      'TLMDMASKEDIT=Edit'
      'TLMDBROWSEEDIT=Edit'
      'TLMDEXTSPINEDIT=Edit'
      'TLMDCALENDAREDIT=Edit'
      'TLMDFILEOPENEDIT=Edit'
      'TLMDFILESAVEEDIT=Edit'
      'TLMDCOLOREDIT=Edit'
      'TLMDDBEDIT=Edit'
      'TLMDDBMASKEDIT=Edit'
      'TLMDDBEXTSPINEDIT=Edit'
      'TLMDDBSPINEDIT=Edit'
      'TLMDDBEDITDBLookup=Edit'
      'TLMDEDITDBLookup=Edit'
      'TWWDBEDIT=Edit'
      'TOVCPICTUREFIELD=Edit'
      'TOVCDBPICTUREFIELD=Edit'
      'TOVCSLIDEREDIT=Edit'
      'TOVCDBSLIDEREDIT=Edit'
      'TOVCSIMPLEFIELD=Edit'
      'TOVCDBSIMPLEFIELD=Edit'
      'TO32DBFLEXEDIT=Edit'
      'TOVCNUMERICFIELD=Edit'
      'TOVCDBNUMERICFIELD=Edit'
      'TLMDCalculatorEdit=edit'
      'TLMDGroupBox=Groupbox'
      'TcxGroupbox=groupbox'
      'TDBCheckboxEh=Checkbox'
      'TDBCheckboxEh=Checkbox'
      'TLMDCHECKBOX=Checkbox'
      'TLMDDBCHECKBOX=Checkbox')
    SkinStore = '(Good)'
    SkinFormtype = sfMainform
    Version = '5.40.07.15'
    MenuUpdate = True
    MenuMerge = False
    SkinStream = {00000000}
  end
end

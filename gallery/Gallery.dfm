object GalleryForm: TGalleryForm
  Left = 40
  Top = 40
  BorderStyle = bsSizeable
  Caption = 'Skin Gallery'
  ClientHeight = 430
  ClientWidth = 620
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  object Pages: TPageControl
    Left = 0
    Top = 0
    Width = 620
    Height = 430
    ActivePage = ButtonsPage
    Align = alClient
    TabOrder = 0
    object ButtonsPage: TTabSheet
      Caption = 'Buttons'
      object NormalButton: TButton
        Left = 16
        Top = 16
        Width = 100
        Height = 28
        Caption = 'Normal'
        TabOrder = 0
      end
      object DisabledButton: TButton
        Left = 136
        Top = 16
        Width = 100
        Height = 28
        Caption = 'Disabled'
        Enabled = False
        TabOrder = 1
      end
      object TwoLineButton: TButton
        Left = 256
        Top = 16
        Width = 100
        Height = 40
        Caption = 'Two||lines'
        TabOrder = 2
      end
      object ForeignDialogButton: TButton
        Left = 16
        Top = 330
        Width = 140
        Height = 28
        Caption = 'Foreign dialog...'
        TabOrder = 3
        OnClick = ForeignDialogClick
      end
    end
    object EditsPage: TTabSheet
      Caption = 'Edits'
      object NormalEdit: TEdit
        Left = 16
        Top = 16
        Width = 180
        Height = 21
        Text = 'An edit'
        TabOrder = 0
      end
      object ReadOnlyEdit: TEdit
        Left = 16
        Top = 48
        Width = 180
        Height = 21
        ReadOnly = True
        Text = 'Read-only'
        TabOrder = 1
      end
      object DisabledEdit: TEdit
        Left = 16
        Top = 80
        Width = 180
        Height = 21
        Enabled = False
        Text = 'Disabled'
        TabOrder = 2
      end
    end
    object StatusBarsPage: TTabSheet
      Caption = 'Status bars'
      object SimpleStatusBar: TStatusBar
        Left = 0
        Top = 16
        Width = 600
        Height = 22
        Align = alNone
        SimplePanel = True
        SimpleText = 'Simple text'
      end
      object PanelsStatusBar: TStatusBar
        Left = 0
        Top = 56
        Width = 600
        Height = 22
        Align = alNone
        Panels = <
          item
            Text = 'Lowered'
            Width = 150
          end
          item
            Bevel = pbRaised
            Text = 'Raised'
            Width = 150
          end
          item
            Alignment = taCenter
            Bevel = pbNone
            Text = 'No bevel, centred'
            Width = 150
          end
          item
            Alignment = taRightJustify
            Text = 'Right'
            Width = 50
          end>
      end
      object GripStatusBar: TStatusBar
        Left = 0
        Top = 96
        Width = 600
        Height = 22
        Align = alNone
        SizeGrip = True
        Panels = <
          item
            Text = 'With a size grip'
            Width = 200
          end>
      end
    end
    object PanelsPage: TTabSheet
      Caption = 'Panels'
      object RaisedPanel: TPanel
        Left = 16
        Top = 16
        Width = 200
        Height = 80
        Caption = 'Raised panel'
        TabOrder = 0
      end
      object LoweredPanel: TPanel
        Left = 232
        Top = 16
        Width = 200
        Height = 80
        BevelOuter = bvLowered
        Caption = 'Lowered panel'
        TabOrder = 1
        object ButtonOnPanel: TButton
          Left = 50
          Top = 44
          Width = 100
          Height = 24
          Caption = 'On a panel'
          TabOrder = 0
        end
      end
    end
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

// Foreign control classes and the skinner kind each is treated as.
#include "skin/data/WinSkinData.h"

const std::vector<std::wstring>& DefaultSkin3rd() {
  static const std::vector<std::wstring> rows = {
      L"TCategoryButtons=scrollbar", L"TVirtualStringTree=scrollbar", L"TVirtualDrawTree=scrollbar",
      L"TAdvPanelGroup=scrollbar", L"THTMLViewer=scrollbar", L"TDBCtrlGrid=scrollbar",
      L"TImageEnMView=scrollbar", L"TImageEnView=scrollbar", L"TAdvMemo=scrollbar", L"TDBAdvMemo=scrollbar",
      L"TPngSpeedbutton=pngspeedbutton", L"TPngBitBtn=pngbitbtn", L"TTBXDockablePanel=Panel",
      L"TControlBar=Panel", L"TTBDock=Panel", L"TTBToolbar=Panel", L"TLMDGROUPBOX=Panel",
      L"TLMDSIMPLEPANEL=Panel", L"TLMDDBCalendar=Panel", L"TLMDButtonPanel=Panel", L"TLMDLMDCalculator=Panel",
      L"TLMDHeaderPanel=Panel", L"TLMDTechnicalLine=Panel", L"TLMDLMDClock=Panel", L"TRzGroup=panel",
      L"TLMDCalculator=panel", L"TLMDTrackbar=panel", L"TComboboxex=combobox",
      L"TcxDBLookupComboBox=combobox", L"TcxDBComboBox=combobox", L"TcxDBDateEdit=combobox",
      L"TcxDBImageComboBox=combobox", L"TcxDBCalcEdit=combobox", L"TcxDBBlobEdit=combobox",
      L"TcxDBPopupEdit=combobox", L"TcxDBFontNameComboBox=combobox", L"TcxDBShellComboBox=combobox",
      L"TRxLookupEdit=combobox", L"TRxDBLookupCombo=combobox", L"TRzDateTimeEdit=combobox",
      L"TRzColorEdit=combobox", L"TRzDateTimePicker=combobox", L"TRzDBDateTimeEdit=combobox",
      L"TRzDbColorEdit=combobox", L"TRzDBDateTimePicker=combobox", L"TLMDListCombobox=combobox",
      L"TLMDCheckListCombobox=combobox", L"TLMDHeaderListCombobox=combobox", L"TLMDImageCombobox=combobox",
      L"TLMDColorCombobox=combobox", L"TLMDFontCombobox=combobox", L"TLMDFontSizeCombobox=combobox",
      L"TLMDFontSizeCombobox=combobox", L"TLMDPrinterCombobox=combobox", L"TLMDDriveCombobox=combobox",
      L"TLMDCalculatorComboBox=combobox", L"TLMDTrackBarComboBox=combobox", L"TLMDCalendarComboBox=combobox",
      L"TLMDTreeComboBox=combobox", L"TWWTempKeyCombo=combobox", L"TDBLookupCombobox=Combobox",
      L"TWWDBCombobox=Combobox", L"TWWDBCombobox=Combobox", L"TWWDBLookupCombo=Combobox",
      L"TWWKeyCombo=Combobox", L"TWWDBDateTimePicker=Combobox", L"TRxSpeedButton=speedbutton",
      L"TfrSpeedButton=speedbutton", L"TfrTBButton=speedbutton", L"TRzButton=button", L"TRzBitbtn=bitbtn",
      L"TLMDButton=bitbtn", L"TcxButton=bitbtn", L"TRzMenuButton=menubtn", L"TRzCheckGroup=CheckGroup",
      L"TLMDCheckGroup=CheckGroup", L"TLMDDBCheckGroup=CheckGroup", L"TRzRadioGroup=Radiogroup",
      L"TRzDBRadioGroup=Radiogroup", L"TLMDRADIOGROUP=radiogroup", L"TLMDDBRADIOGROUP=radiogroup",
      L"TWWRADIOGROUP=radiogroup", L"TcxDBRadioGroup=radiogroup", L"TcxRadioGroup=radiogroup",
      L"TRzDBRadioButton=Radiobutton", L"TLMDRadiobutton=Radiobutton", L"TRzButtonEdit=Edit",
      L"TLMDEDIT=Edit", L"TLMDMASKEDIT=Edit", L"TLMDBROWSEEDIT=Edit", L"TLMDEXTSPINEDIT=Edit",
      L"TLMDCALENDAREDIT=Edit", L"TLMDFILEOPENEDIT=Edit", L"TLMDFILESAVEEDIT=Edit", L"TLMDCOLOREDIT=Edit",
      L"TLMDDBEDIT=Edit", L"TLMDDBMASKEDIT=Edit", L"TLMDDBEXTSPINEDIT=Edit", L"TLMDDBSPINEDIT=Edit",
      L"TLMDDBEDITDBLookup=Edit", L"TLMDEDITDBLookup=Edit", L"TWWDBEDIT=Edit", L"TOVCPICTUREFIELD=Edit",
      L"TOVCDBPICTUREFIELD=Edit", L"TOVCSLIDEREDIT=Edit", L"TOVCDBSLIDEREDIT=Edit", L"TOVCSIMPLEFIELD=Edit",
      L"TOVCDBSIMPLEFIELD=Edit", L"TO32DBFLEXEDIT=Edit", L"TOVCNUMERICFIELD=Edit", L"TOVCDBNUMERICFIELD=Edit",
      L"TLMDCalculatorEdit=edit", L"TLMDGroupBox=Groupbox", L"TcxGroupbox=groupbox",
      L"TDBCheckboxEh=Checkbox", L"TDBCheckboxEh=Checkbox", L"TLMDCHECKBOX=Checkbox",
      L"TLMDDBCHECKBOX=Checkbox",
  };
  return rows;
}

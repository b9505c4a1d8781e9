#include "app/Unit1.h"
#include "app/VoiceNames.h"

const wchar_t* const PublisherSite = L"http://www.example.com";

TForm1* Form1 = nullptr;

DEFINE_CLASS_INFO(TForm1, TForm, {})

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {}

TMethod TForm1::FindMethod(const std::string& name) {
  static const TMethodEntry<TForm1> methods[] = {
      {"FormCreate", &TForm1::FormCreate},
      {"Button1Click", &TForm1::DigitClick},   {"Button2Click", &TForm1::DigitClick},
      {"Button3Click", &TForm1::DigitClick},   {"Button4Click", &TForm1::DigitClick},
      {"Button5Click", &TForm1::DigitClick},   {"Button6Click", &TForm1::DigitClick},
      {"Button7Click", &TForm1::DigitClick},   {"Button8Click", &TForm1::DigitClick},
      {"Button9Click", &TForm1::DigitClick},   {"Button10Click", &TForm1::DigitClick},
      {"Button11Click", &TForm1::Button11Click}, {"Button12Click", &TForm1::Button12Click},
      {"Button13Click", &TForm1::Button13Click}, {"Button14Click", &TForm1::Button14Click},
      {"Button15Click", &TForm1::Button15Click}, {"Button16Click", &TForm1::Button16Click},
      {"Button17Click", &TForm1::Button17Click}, {"Button18Click", &TForm1::Button18Click},
      {"Button19Click", &TForm1::Button19Click}, {"Button_ReadClick", &TForm1::Button_ReadClick},
      {"Button20Click", &TForm1::Button20Click}, {"Button21Click", &TForm1::Button21Click},
      {"Button22Click", &TForm1::Button22Click}, {"Button23Click", &TForm1::Button23Click},
      {"StatusBar1Click", &TForm1::StatusBar1Click}, {"Label2Click", &TForm1::Label2Click},
  };
  return FindMethodIn(this, methods, name);
}

void TForm1::Loaded() {
  TForm::Loaded();
  PageControl1 = Field<TPageControl>(L"PageControl1");
  TabSheet1 = Field<TTabSheet>(L"TabSheet1");
  TabSheet2 = Field<TTabSheet>(L"TabSheet2");
  Edit1 = Field<TEdit>(L"Edit1");
  for (int d = 0; d < 10; ++d)
    DigitButtons[d] = Field<TButton>((L"Button" + std::to_wstring(d == 0 ? 10 : d)).c_str());
  Button11 = Field<TButton>(L"Button11");
  Button12 = Field<TButton>(L"Button12");
  Button13 = Field<TButton>(L"Button13");
  Button14 = Field<TButton>(L"Button14");
  Button15 = Field<TButton>(L"Button15");
  Button16 = Field<TButton>(L"Button16");
  Button17 = Field<TButton>(L"Button17");
  Button18 = Field<TButton>(L"Button18");
  Button19 = Field<TButton>(L"Button19");
  Button_Read = Field<TButton>(L"Button_Read");
  Button20 = Field<TButton>(L"Button20");
  Button21 = Field<TButton>(L"Button21");
  Button22 = Field<TButton>(L"Button22");
  Button23 = Field<TButton>(L"Button23");
  StatusBar1 = Field<TStatusBar>(L"StatusBar1");
  Label2 = Field<TLabel>(L"Label2");
  Edit_VER = Field<TEdit>(L"Edit_VER");
}

void TForm1::FormCreate(TObject*) { SetText(GetText() + Version()); }

bool TForm1::Silenced() const { return !HandleAllocated() || (Application && Application->Terminated()); }

void TForm1::PlayVoice(const std::wstring& file) {
  if (Silenced()) return;
  if (Platform.PlayVoiceFile) Platform.PlayVoiceFile(file);
}

void TForm1::Speak(const std::wstring& file) {
  Application->ProcessMessages();
  PlayVoice(file);
}

// ---- keypad ----

void TForm1::DigitClick(TObject* Sender) {
  for (int d = 0; d < 10; ++d) {
    if (Sender != DigitButtons[d]) continue;
    wchar_t digit = wchar_t(L'0' + d);
    std::wstring display = Display();
    FEngine.Digit(display, digit);
    SetDisplay(display);
    Speak(CharVoiceFile(digit));
  }
}

void TForm1::Button11Click(TObject*) {
  std::wstring display = Display();
  TCalcEngine::Backspace(display);
  SetDisplay(display);
}

void TForm1::Button12Click(TObject*) {
  std::wstring display = Display();
  FEngine.Point(display);
  SetDisplay(display);
  Speak(CharVoiceFile(L'.'));
}

void TForm1::OperatorKey(TOperator op) {
  if (FEngine.Operator(Display(), op)) Speak(OperatorVoiceFile(op));
}

void TForm1::Button13Click(TObject*) { OperatorKey(TOperator::Add); }
void TForm1::Button14Click(TObject*) { OperatorKey(TOperator::Sub); }
void TForm1::Button15Click(TObject*) { OperatorKey(TOperator::Mul); }
void TForm1::Button16Click(TObject*) { OperatorKey(TOperator::Div); }

void TForm1::Button17Click(TObject*) {
  std::wstring display = Display();
  bool done = FEngine.Equals(display);
  SetDisplay(display);  // a failing step keeps what the steps before it wrote
  if (!done) return;
  Speak(EqualsVoiceFile());
  Button_Read->Click();
}

void TForm1::Button18Click(TObject*) {
  std::wstring display = Display();
  FEngine.ClearEntry(display);
  SetDisplay(display);
  Speak(ClearEntryVoiceFile());
}

void TForm1::Button19Click(TObject*) {
  std::wstring display = Display();
  FEngine.AllClear(display);
  SetDisplay(display);
  Speak(AllClearVoiceFile());
}

void TForm1::Button_ReadClick(TObject*) {
  // The readout works on a copy: keys pressed meanwhile change the display, not this.
  for (const std::wstring& file : ReadoutFiles(Display())) {
    Application->ProcessMessages();
    // A click meanwhile may have closed the window or ended the program.
    if (Silenced()) return;
    PlayVoice(file);
    Sleep(100);
  }
}

// ---- links ----

void TForm1::Button20Click(TObject*) { Close(); }

void TForm1::Button21Click(TObject*) {
  Platform.OpenUrl(Handle(), std::wstring(PublisherSite) + L"/XiaZai/?cls=12&" + Version());
}

void TForm1::Button22Click(TObject*) { Platform.StartProgram("calc.exe", SW_SHOW); }

void TForm1::Button23Click(TObject*) {
  Platform.OpenUrl(Handle(), std::wstring(PublisherSite) + L"/Tools/JiSuanQi/?qq=calc" + Version());
}

void TForm1::StatusBar1Click(TObject*) {
  Platform.OpenUrl(Handle(), std::wstring(PublisherSite) + L"/?qq=calc" + Version());
}

void TForm1::Label2Click(TObject*) { Button21->Click(); }

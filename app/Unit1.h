// The calculator's main window: keypad, display, voice, About tab and links.
#pragma once
#include "app/CalcEngine.h"
#include "app/CalcPlatform.h"
#include "host/ComCtrls.h"
#include "host/Forms.h"
#include "host/StdCtrls.h"

// The publisher's web site, the base of every link.
extern const wchar_t* const PublisherSite;

class TForm1 : public TForm {
public:
  DECLARE_CLASS_INFO
  explicit TForm1(TComponent* AOwner);

  TPageControl* PageControl1 = nullptr;
  TTabSheet* TabSheet1 = nullptr;
  TTabSheet* TabSheet2 = nullptr;
  TEdit* Edit1 = nullptr;
  TButton* DigitButtons[10] = {};  // Button10 is "0", Button1…Button9 the others
  TButton* Button11 = nullptr;     // ←
  TButton* Button12 = nullptr;     // .
  TButton* Button13 = nullptr;     // +
  TButton* Button14 = nullptr;     // -
  TButton* Button15 = nullptr;     // ×
  TButton* Button16 = nullptr;     // ÷
  TButton* Button17 = nullptr;     // =
  TButton* Button18 = nullptr;     // CE
  TButton* Button19 = nullptr;     // AC
  TButton* Button_Read = nullptr;
  TButton* Button20 = nullptr;
  TButton* Button21 = nullptr;
  TButton* Button22 = nullptr;
  TButton* Button23 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TLabel* Label2 = nullptr;
  TEdit* Edit_VER = nullptr;

  TCalcPlatform Platform = TCalcPlatform::Real();
  const TCalcEngine& Engine() const { return FEngine; }

  void Loaded() override;
  TMethod FindMethod(const std::string& name) override;

  void FormCreate(TObject* Sender);
  void DigitClick(TObject* Sender);  // Button1Click … Button10Click
  void Button11Click(TObject* Sender);
  void Button12Click(TObject* Sender);
  void Button13Click(TObject* Sender);
  void Button14Click(TObject* Sender);
  void Button15Click(TObject* Sender);
  void Button16Click(TObject* Sender);
  void Button17Click(TObject* Sender);
  void Button18Click(TObject* Sender);
  void Button19Click(TObject* Sender);
  void Button_ReadClick(TObject* Sender);
  void Button20Click(TObject* Sender);
  void Button21Click(TObject* Sender);
  void Button22Click(TObject* Sender);
  void Button23Click(TObject* Sender);
  void StatusBar1Click(TObject* Sender);
  void Label2Click(TObject* Sender);

  void PlayVoice(const std::wstring& file);
  // Once the window is gone or the program is ending, nothing more is
  // spoken: a handler still running under a nested click plays no sound.
  bool Silenced() const;

private:
  std::wstring Display() const { return Edit1->GetText(); }
  void SetDisplay(const std::wstring& text) { Edit1->SetText(text); }
  // Lets the window repaint the new display, then plays the key's file.
  void Speak(const std::wstring& file);
  void OperatorKey(TOperator op);
  std::wstring Version() const { return Edit_VER->GetText(); }

  TCalcEngine FEngine;
};

extern TForm1* Form1;

// Discovery on a second form of the program, shown with one control so
// that its activation skins it, and on a foreign dialog the test may make.
#pragma once
#include "skin/form/WinSkinForm.h"
#include "tests/win/skin/SkinnedFormFixture.h"
#include <functional>

class SecondFormDiscovery : public SkinnedFormTest {
protected:
  TWinControl* ShowWith(const std::function<TWinControl*(TForm*)>& make, SIZE size = {120, 24}) {
    Second = new TForm(Application);
    Second->SetBounds(30, 30, 300, 200);
    TWinControl* control = make(Second);
    control->SetParent(Second);
    control->SetBounds(10, 10, size.cx, size.cy);
    Second->Show();
    Application->ProcessMessages();
    return control;
  }
  TSkinControl* SkinnerOf(TWinControl& control) {
    TWinSkinForm* form = FindFormSkinner(Second->Handle());
    return form ? form->FindControlSkinner(control) : nullptr;
  }
  void TearDown() override {
    if (Dialog) DestroyWindow(Dialog);
    SkinnedFormTest::TearDown();
  }
  void SwitchOff() {
    Data->SetActive(false);
    SkinManager->ActionTimer.SetEnabled(false);
    SkinManager->RunPendingAction();
  }
  TForm* Second = nullptr;  // owned by the application
  HWND Dialog = nullptr;
};

template <class T>
TWinControl* Make(TForm* owner) { return new T(owner); }

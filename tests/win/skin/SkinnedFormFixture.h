// The main form with the shipped skin loaded by its skin component; the
// manager the component made goes with each test.
#pragma once
#include "skin/data/WinSkinData.h"
#include "skin/manager/SkinManage.h"
#include "tests/win/MainFormFixture.h"
#include "tests/win/PumpUntil.h"

class SkinnedFormTest : public MainFormTest {
protected:
  void SetUp() override {
    MainFormTest::SetUp();
    Data = dynamic_cast<TSkinData*>(Form->FindComponent(L"SkinData1"));
    ASSERT_NE(Data, nullptr);
    ASSERT_NE(SkinManager, nullptr);
  }
  void TearDown() override {
    MainFormTest::TearDown();
    SkinManager.reset();
  }
  // Another form of the program, shown: its first activation skins it.
  TForm* ShowSecondForm() {
    auto* form = new TForm(Application);
    form->SetBounds(30, 30, 300, 200);
    form->SetText(L"Second");
    form->Show();
    Application->ProcessMessages();
    return form;
  }

  TSkinData* Data = nullptr;
};

// The gallery's window made from its stored description (its resources are
// linked into the tests), shown and skinned by its own skin component; the
// manager that component makes goes with each test.
#pragma once
#include "gallery/GalleryForm.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "tests/win/PumpUntil.h"
#include "tests/win/skin/ControlStates.h"
#include <gtest/gtest.h>

class GalleryTest : public testing::Test {
protected:
  void SetUp() override {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    SkinManager.reset();
    Gallery = new TGalleryForm(Application);
    Gallery->ReadState();
  }
  void TearDown() override {
    delete Gallery;
    SkinManager.reset();
  }
  // Shows the window and waits until it wears the skin (or, natively, is up).
  void ShowSkinned() {
    Gallery->Show();
    ASSERT_TRUE(PumpUntil([this] { return Skinned(Gallery->Handle()); }));
    Skinner = FindFormSkinner(Gallery->Handle());
    ASSERT_NE(Skinner, nullptr);
    ASSERT_TRUE(PumpUntil([this] { return Skinner->State == skActive; }));
  }
  // The gallery skinned, then its foreign dialog open and skinned.
  void OpenSkinnedDialog() {
    ShowSkinned();
    if (HasFatalFailure()) return;
    Dialog = Gallery->OpenForeignDialog();
    ASSERT_NE(Dialog, nullptr);
    ASSERT_TRUE(PumpUntil([this] {
      TWinSkinForm* s = FindFormSkinner(Dialog);
      return s && s->State == skActive;
    }));
  }
  template <class T>
  T* Find(const wchar_t* name) {
    return dynamic_cast<T*>(Gallery->FindComponent(name));
  }

  TGalleryForm* Gallery = nullptr;
  HWND Dialog = nullptr;
  TWinSkinForm* Skinner = nullptr;
};

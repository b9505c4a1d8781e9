// The main form made from its stored description, with the platform calls
// recorded instead of carried out.
#pragma once
#include "app/Unit1.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class MainFormTest : public testing::Test {
protected:
  void SetUp() override;
  void TearDown() override { delete Form; }

  TButton* Key(const std::wstring& caption);
  // Clicks the keys named by their captions, separated by spaces, with button messages.
  void PressAll(const std::wstring& keys);
  void Click(TButton* button) { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }
  std::wstring Display();
  void SetDisplay(const std::wstring& text);
  // A left click at a point of a window, delivered through the message queue.
  void MouseClick(HWND wnd, int x, int y);

  TForm1* Form = nullptr;
  std::vector<std::wstring> Played;
  std::vector<LONGLONG> PlayedAtMs;
  std::vector<std::wstring> Urls;
  std::vector<std::pair<std::string, UINT>> Programs;
  std::function<void(const std::wstring&)> WhilePlaying;  // runs inside the "sound"
};

// "Sound\<name>.wav"
inline std::wstring Voice(const std::wstring& name) { return L"Sound\\" + name + L".wav"; }
std::vector<std::wstring> Voices(const std::wstring& names);  // names separated by spaces

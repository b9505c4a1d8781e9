// A form read from a small description that holds one skin component; the
// skin manager that component makes, and the messages the loader shows, go
// with each test.
#pragma once
#include "host/FormReader.h"
#include "skin/data/SkinLoad.h"
#include "skin/data/WinSkinData.h"
#include "skin/manager/SkinManage.h"
#include "tools/SkinPackWriter.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A package of one INI that names the skin and nothing else.
inline std::vector<uint8_t> MiniPackage(const std::string& skinName) {
  const std::string ini = "[TitlebarSkin]\r\nSkinName=" + skinName + "\r\n";
  TSkinPackWriter writer;
  writer.AddEntry("skin.ini", std::vector<uint8_t>(ini.begin(), ini.end()));
  return writer.Build();
}

inline std::string HexBytes(const std::vector<uint8_t>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (uint8_t b : bytes) out += {digits[b >> 4], digits[b & 15]};
  return out;
}

// The package as the SkinStream property of a description stores it.
inline std::string StoredStream(const std::vector<uint8_t>& package) {
  uint32_t n = uint32_t(package.size());
  std::vector<uint8_t> stored{uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)};
  stored.insert(stored.end(), package.begin(), package.end());
  return HexBytes(stored);
}

class SkinDataTest : public testing::Test {
protected:
  void SetUp() override {
    SkinManager.reset();
    ShownBefore = SkinMessageBox();
    SkinMessageBox() = [this](const std::string& text) { Messages.push_back(text); };
  }
  void TearDown() override {
    delete Form;
    SkinManager.reset();
    SkinMessageBox() = ShownBefore;  // later suites get the message box they had
  }
  // A form of class F holding one skin component described by the given
  // property lines.
  template <class F = TForm>
  TSkinData* Read(const std::string& properties) {
    return ReadForm<F>("  object SkinData1: TSkinData\n" + properties + "  end\n");
  }
  // A form of class F holding the components described; its SkinData1.
  template <class F = TForm>
  TSkinData* ReadForm(const std::string& components) {
    std::string text = "object F: TForm\n" + components + "end\n";
    TFormObject description;
    TFormTextError error;
    EXPECT_TRUE(ReadFormText(text, description, error)) << error.Message;
    Form = new F(nullptr);
    ReadFormObject(*Form, description);
    return dynamic_cast<TSkinData*>(Form->FindComponent(L"SkinData1"));
  }

  TForm* Form = nullptr;
  std::vector<std::string> Messages;
  TSkinMessageProc ShownBefore;
};

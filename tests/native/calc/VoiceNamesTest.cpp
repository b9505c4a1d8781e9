#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/VoiceNames.h"

namespace {

TEST(CalcVoiceNames, DigitsNameTheirFile) {
  for (wchar_t d = L'0'; d <= L'9'; ++d)
    EXPECT_EQ(CharVoiceFile(d), std::wstring(L"Sound\\") + d + L".wav");
}

TEST(CalcVoiceNames, KeysNameTheirFile) {
  EXPECT_EQ(CharVoiceFile(L'.'), L"Sound\\10.wav");
  EXPECT_EQ(OperatorVoiceFile(TOperator::Add), L"Sound\\加.wav");
  EXPECT_EQ(OperatorVoiceFile(TOperator::Sub), L"Sound\\减.wav");
  EXPECT_EQ(OperatorVoiceFile(TOperator::Mul), L"Sound\\乘.wav");
  EXPECT_EQ(OperatorVoiceFile(TOperator::Div), L"Sound\\除.wav");
  EXPECT_EQ(EqualsVoiceFile(), L"Sound\\等于.wav");
  EXPECT_EQ(ClearEntryVoiceFile(), L"Sound\\清除.wav");
  EXPECT_EQ(AllClearVoiceFile(), L"Sound\\归零.wav");
}

struct TReadoutCase {
  const wchar_t* Display;
  std::vector<std::wstring> Files;
};

class CalcReadout : public ::testing::TestWithParam<TReadoutCase> {};

TEST_P(CalcReadout, OneFilePerCharacter) {
  EXPECT_EQ(ReadoutFiles(GetParam().Display), GetParam().Files);
}

INSTANTIATE_TEST_SUITE_P(Displays, CalcReadout, ::testing::Values(
    TReadoutCase{L"", {}},
    TReadoutCase{L"-12.5", {L"Sound\\负.wav", L"Sound\\1.wav", L"Sound\\2.wav",
                           L"Sound\\10.wav", L"Sound\\5.wav"}},
    TReadoutCase{L"1.5E-7", {L"Sound\\1.wav", L"Sound\\10.wav",
                            L"Sound\\5.wav", L"Sound\\E.wav",
                            L"Sound\\负.wav", L"Sound\\7.wav"}},
    TReadoutCase{L"00", {L"Sound\\0.wav", L"Sound\\0.wav"}},
    // Typed text is read the same way, one file per character.
    TReadoutCase{L"a五 ", {L"Sound\\a.wav", L"Sound\\五.wav",
                          L"Sound\\ .wav"}}));

}  // namespace

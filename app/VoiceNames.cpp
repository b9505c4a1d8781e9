#include "app/VoiceNames.h"

namespace {

std::wstring SoundFile(const std::wstring& name) {
  return L"Sound\\" + name + L".wav";
}

}  // namespace

std::wstring CharVoiceFile(wchar_t ch) {
  if (ch == L'.') return SoundFile(L"10");
  if (ch == L'-') return SoundFile(L"负");
  return SoundFile(std::wstring(1, ch));
}

std::wstring OperatorVoiceFile(TOperator op) {
  switch (op) {
    case TOperator::Add: return SoundFile(L"加");
    case TOperator::Sub: return SoundFile(L"减");
    case TOperator::Mul: return SoundFile(L"乘");
    case TOperator::Div: return SoundFile(L"除");
  }
  return std::wstring();
}

std::wstring EqualsVoiceFile() { return SoundFile(L"等于"); }
std::wstring ClearEntryVoiceFile() { return SoundFile(L"清除"); }
std::wstring AllClearVoiceFile() { return SoundFile(L"归零"); }

std::vector<std::wstring> ReadoutFiles(const std::wstring& display) {
  std::vector<std::wstring> files;
  files.reserve(display.size());
  for (wchar_t ch : display) files.push_back(CharVoiceFile(ch));
  return files;
}

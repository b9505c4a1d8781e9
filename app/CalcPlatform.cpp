#include "app/CalcPlatform.h"
#include "app/WaveFile.h"
#include "host/Classes.h"
#include <mmsystem.h>
#include <shellapi.h>

namespace {
// Synchronous. The file is read with the wide-character API and played from
// memory, so the Chinese names resolve whatever the system code page is (some
// sound services turn a wide file name into an ANSI one on the way). A file
// that cannot be read, or whose layout does not hold together, is handed over
// by name: an alias of that name, else the system's default sound, as a
// missing voice always did.
void PlayWaveFile(const std::wstring& file) {
  TMemoryStream wave;
  if (wave.LoadFromFile(file) && IsPlayableWave(wave.Memory(), wave.Size()))
    PlaySoundW(reinterpret_cast<LPCWSTR>(wave.Memory()), nullptr, SND_MEMORY | SND_SYNC);
  else
    PlaySoundW(file.c_str(), nullptr, 0);
}
}  // namespace

TCalcPlatform TCalcPlatform::Real() {
  TCalcPlatform p;
  p.PlayVoiceFile = PlayWaveFile;
  p.OpenUrl = [](HWND owner, const std::wstring& url) {
    ShellExecuteW(owner, nullptr, url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  };
  p.StartProgram = [](const std::string& commandLine, UINT show) { WinExec(commandLine.c_str(), show); };
  return p;
}

#include "CalcPlatform.h"
#include <mmsystem.h>
#include <shellapi.h>

TCalcPlatform TCalcPlatform::Real() {
  TCalcPlatform p;
  // Wide names, so the Chinese file names resolve on any system code page.
  // No flags: synchronous, alias first, and the default sound for a missing file.
  p.PlayVoiceFile = [](const std::wstring& file) { PlaySoundW(file.c_str(), nullptr, 0); };
  p.OpenUrl = [](HWND owner, const std::wstring& url) {
    ShellExecuteW(owner, nullptr, url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  };
  p.StartProgram = [](const std::string& commandLine, UINT show) { WinExec(commandLine.c_str(), show); };
  return p;
}

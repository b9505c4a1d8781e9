// What the calculator asks of the platform beyond its window: playing a voice
// file, opening a URL, starting a program. Tests replace these to see the
// requests; by default they are the real calls.
#pragma once
#include <functional>
#include <string>
#include <windows.h>

struct TCalcPlatform {
  // Plays synchronously: returns when the sound has finished.
  std::function<void(const std::wstring& file)> PlayVoiceFile;
  std::function<void(HWND owner, const std::wstring& url)> OpenUrl;
  std::function<void(const std::string& commandLine, UINT show)> StartProgram;

  static TCalcPlatform Real();
};

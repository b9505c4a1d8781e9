#pragma once

#include <string>
#include <vector>

#include "app/CalcOperator.h"

// Voice file names, relative to the working directory.

// A character as spoken by the digit and point keys and by the readout:
// "." is "Sound\10.wav", "-" is "Sound\负.wav", any other ch "Sound\<ch>.wav".
std::wstring CharVoiceFile(wchar_t ch);

std::wstring OperatorVoiceFile(TOperator op);
std::wstring EqualsVoiceFile();
std::wstring ClearEntryVoiceFile();
std::wstring AllClearVoiceFile();

// The readout of a display: one file per character, in order.
std::vector<std::wstring> ReadoutFiles(const std::wstring& display);

// Facts about the running Windows, read once.
#pragma once
#include <windows.h>

struct TWindowsVersion {
  int Major = 0;
  int Minor = 0;
};

// The version GetVersion reports.
TWindowsVersion WindowsVersion();
// At least major.minor: the pair is compared, never the major number alone.
bool VersionAtLeast(TWindowsVersion version, int major, int minor);
// The running Windows at least major.minor.
bool VersionAtLeast(int major, int minor);
// An NT-family system (not the Windows 95 family).
bool IsWinNT();
// A GetVersion value of the Windows 95 family (its top bit set).
inline bool Win9xVersion(DWORD version) { return version & 0x80000000u; }
// Before Vista. (Telling it by a major version other than 6 took every
// version from Windows 10 on for an old one.)
bool NotWinVista();

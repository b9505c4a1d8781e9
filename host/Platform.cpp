#include "host/Platform.h"
#include <windows.h>

TWindowsVersion WindowsVersion() {
  static const TWindowsVersion version = [] {
    const DWORD v = GetVersion();
    return TWindowsVersion{LOBYTE(LOWORD(v)), HIBYTE(LOWORD(v))};
  }();
  return version;
}

bool VersionAtLeast(TWindowsVersion v, int major, int minor) {
  return v.Major > major || (v.Major == major && v.Minor >= minor);
}

bool VersionAtLeast(int major, int minor) { return VersionAtLeast(WindowsVersion(), major, minor); }

bool IsWinNT() {
  static const bool nt = !Win9xVersion(GetVersion());
  return nt;
}

bool NotWinVista() { return !VersionAtLeast(6, 0); }

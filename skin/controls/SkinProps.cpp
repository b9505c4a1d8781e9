// Reading and writing a control's published properties by name, and the
// small text and window helpers of the skinners.
#include "host/Classes.h"
#include "host/Platform.h"
#include "host/WideText.h"
#include "skin/controls/SkinControl.h"
#include <cerrno>
#include <cwchar>
#include <stdexcept>

namespace {
bool Read(TPersistent* object, const char* name, TValue& value) {
  return object && GetPropValue(object, name, value);
}
}  // namespace

int ReadIntProp(TPersistent* Object, const char* Name) {
  TValue v;
  return Read(Object, Name, v) && v.Kind == TValue::vkInteger ? int(v.Int) : -1;
}

std::wstring ReadEnumProp(TPersistent* Object, const char* Name) {
  TValue v;
  return Read(Object, Name, v) && v.Kind == TValue::vkIdent ? v.Str : std::wstring();
}

std::wstring ReadTextProp(TPersistent* Object, const char* Name) {
  TValue v;
  return Read(Object, Name, v) && v.Kind == TValue::vkString ? v.Str : std::wstring();
}

std::wstring ReadSetProp(TPersistent* Object, const char* Name) {
  TValue v;
  if (!Read(Object, Name, v) || v.Kind != TValue::vkSet) return std::wstring();
  std::wstring text = L"[";
  for (size_t i = 0; i < v.Items.size(); ++i) text += (i ? L"," : L"") + v.Items[i];
  return text + L"]";
}

TPersistent* ReadObjectProp(TPersistent* Object, const char* Name, const TClassInfo& Class) {
  TValue v;
  if (!Read(Object, Name, v) || v.Kind != TValue::vkObject || !v.Object) return nullptr;
  return v.Object->InheritsFrom(Class) ? v.Object : nullptr;
}

void WriteProp(TPersistent* Object, const char* Name, const std::wstring& Value) {
  TValue current;
  if (!Read(Object, Name, current)) return;
  switch (current.Kind) {
    case TValue::vkInteger: {
      wchar_t* end = nullptr;
      errno = 0;
      const long long n = std::wcstoll(Value.c_str(), &end, 10);
      if (Value.empty() || *end || errno) throw std::invalid_argument("not a number: " + WideToUtf8(Value));
      SetPropValue(Object, Name, TValue::Integer(n));
      break;
    }
    case TValue::vkIdent: SetPropValue(Object, Name, TValue::Ident(Value)); break;
    case TValue::vkString: SetPropValue(Object, Name, TValue::String(Value)); break;
    default: break;  // other kinds are left alone
  }
}

bool IsTrue(const std::wstring& EnumValue) { return _wcsicmp(EnumValue.c_str(), L"true") == 0; }

std::wstring ReadWindowText(HWND Handle) {
  if (IsWinNT()) {
    std::wstring text(size_t(GetWindowTextLengthW(Handle)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(Handle, text.data(), int(text.size()))));
    return text;
  }
  char ansi[1000] = {};
  SendMessageA(Handle, WM_GETTEXT, sizeof ansi, LPARAM(ansi));
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
  std::wstring text(size_t(n > 0 ? n : 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi, -1, text.data(), n);
  text.resize(wcslen(text.c_str()));
  return text;
}

bool IsTopLevel(HWND Handle) {
  // The parent handle that stands for the desktop on the systems this targets.
  constexpr UINT_PTR kDesktopParent = 0x10014;
  return (GetWindowLongPtrW(Handle, GWL_STYLE) & WS_POPUP) || UINT_PTR(GetParent(Handle)) == kDesktopParent;
}

std::wstring ReplaceFirst(const std::wstring& Text, const std::wstring& Pattern, const std::wstring& Replacement) {
  const size_t at = Pattern.empty() ? std::wstring::npos : Text.find(Pattern);
  if (at == std::wstring::npos) return Text;
  return Text.substr(0, at) + Replacement + Text.substr(at + Pattern.size());
}

UINT BiDiTextFlags(const TSkinControl& Skinner, UINT Flags) {
  const TControl* control = Skinner.Control() ? Skinner.Control() : Skinner.GraphicControl();
  TPersistent* object = const_cast<TControl*>(control);
  return ReadEnumProp(object, "BiDiMode") == L"bdRightToLeft" ? Flags | DT_RTLREADING : Flags;
}

#include "skin/manager/WindowSubclass.h"
#include "host/CallbackGuard.h"
#include <string>
#include <utility>

LRESULT TOldProc::operator()(UINT msg, WPARAM wparam, LPARAM lparam) const {
  LRESULT r;
  if (!Proc)
    r = Unicode ? DefWindowProcW(Wnd, msg, wparam, lparam) : DefWindowProcA(Wnd, msg, wparam, lparam);
  else
    r = Unicode ? CallWindowProcW(Proc, Wnd, msg, wparam, lparam) : CallWindowProcA(Proc, Wnd, msg, wparam, lparam);
  TMessageFrame::MarkDefaultDone();
  return r;
}

struct TWindowSubclass::TLink {
  HWND Wnd = nullptr;
  int Slot = 0;
  WNDPROC Stub = nullptr;
  TOldProc Old;
  THandler Handler;      // empty once the owner has left
  int Depth = 0;         // calls of the stub on the stack
  bool Owned = true;     // the owner still holds the link
  bool InChain = true;   // the window may still call the stub

  void FreeIfDone() {
    if (Depth == 0 && !Owned && !InChain) delete this;
  }
};

namespace {
using TLink = TWindowSubclass::TLink;

std::wstring SlotName(int slot) { return L"SkinSubclass." + std::to_wstring(slot); }

LONG_PTR CurrentProc(HWND wnd, bool unicode) {
  return unicode ? GetWindowLongPtrW(wnd, GWLP_WNDPROC) : GetWindowLongPtrA(wnd, GWLP_WNDPROC);
}
LONG_PTR SetProc(HWND wnd, bool unicode, LONG_PTR proc) {
  return unicode ? SetWindowLongPtrW(wnd, GWLP_WNDPROC, proc) : SetWindowLongPtrA(wnd, GWLP_WNDPROC, proc);
}

LRESULT Dispatch(int slot, HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* link = static_cast<TLink*>(GetPropW(wnd, SlotName(slot).c_str()));
  if (!link) return IsWindowUnicode(wnd) ? DefWindowProcW(wnd, msg, wparam, lparam) : DefWindowProcA(wnd, msg, wparam, lparam);
  ++link->Depth;
  LRESULT result = 0;
  if (link->Handler)
    GuardMessage("subclassed window procedure", [&] { result = link->Handler(msg, wparam, lparam); },
                 [&] { result = link->Old(msg, wparam, lparam); });
  else
    result = link->Old(msg, wparam, lparam);
  --link->Depth;
  if (msg == WM_NCDESTROY && link->InChain) {
    RemovePropW(wnd, SlotName(slot).c_str());
    link->InChain = false;
  }
  link->FreeIfDone();
  return result;
}

template <int Slot>
LRESULT CALLBACK Stub(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  return Dispatch(Slot, wnd, msg, wparam, lparam);
}

template <int... Slots>
constexpr WNDPROC StubOf(int slot, std::integer_sequence<int, Slots...>) {
  constexpr WNDPROC stubs[] = {&Stub<Slots>...};
  return stubs[slot];
}
WNDPROC StubOf(int slot) { return StubOf(slot, std::make_integer_sequence<int, kSubclassSlots>{}); }
}  // namespace

namespace {
void TakeOutOfChain(TLink* link) {
  RemovePropW(link->Wnd, SlotName(link->Slot).c_str());
  link->InChain = false;
}

// The link of ours whose stub proc is, on this window, or null.
TLink* LinkOf(HWND wnd, WNDPROC proc) {
  for (int slot = 0; slot < kSubclassSlots; ++slot)
    if (StubOf(slot) == proc) return static_cast<TLink*>(GetPropW(wnd, SlotName(slot).c_str()));
  return nullptr;
}

// proc, or, where it is the stub of a link that has left, what that link
// replaced: such links are dropped from the chain on the way.
WNDPROC ProcBehindLeftLinks(HWND wnd, WNDPROC proc) {
  while (TLink* behind = LinkOf(wnd, proc)) {
    if (behind->Owned) break;
    proc = behind->Old.Proc;
    TakeOutOfChain(behind);
    behind->FreeIfDone();
  }
  return proc;
}
}  // namespace

bool TWindowSubclass::Install(HWND wnd, THandler handler) {
  if (FLink || !IsWindow(wnd)) return false;
  int slot = 0;
  while (slot < kSubclassSlots && GetPropW(wnd, SlotName(slot).c_str())) ++slot;
  if (slot == kSubclassSlots) return false;
  auto* link = new TLink;
  link->Wnd = wnd;
  link->Slot = slot;
  link->Stub = StubOf(slot);
  link->Handler = std::move(handler);
  link->Old.Wnd = wnd;
  link->Old.Unicode = IsWindowUnicode(wnd);
  SetPropW(wnd, SlotName(slot).c_str(), link);
  link->Old.Proc = reinterpret_cast<WNDPROC>(SetProc(wnd, link->Old.Unicode, LONG_PTR(link->Stub)));
  FLink = link;
  return true;
}

void TWindowSubclass::Remove() {
  TLink* link = std::exchange(FLink, nullptr);
  if (!link) return;
  link->Handler = nullptr;
  link->Owned = false;
  if (link->InChain && !IsWindow(link->Wnd)) {
    link->InChain = false;
  } else if (link->InChain && reinterpret_cast<WNDPROC>(CurrentProc(link->Wnd, link->Old.Unicode)) == link->Stub) {
    SetProc(link->Wnd, link->Old.Unicode, LONG_PTR(ProcBehindLeftLinks(link->Wnd, link->Old.Proc)));
    TakeOutOfChain(link);
  }
  link->FreeIfDone();
}

HWND TWindowSubclass::Window() const { return FLink ? FLink->Wnd : nullptr; }

TOldProc TWindowSubclass::OldProc() const { return FLink ? FLink->Old : TOldProc{}; }

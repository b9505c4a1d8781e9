#include "skin/controls/SkinMP.h"
#include "skin/data/SkinImages.h"
#include "skin/data/WinSkinData.h"
#include <cwctype>
#include <windowsx.h>

DEFINE_CLASS_INFO(TWMediaPlayer, TCustomPanel, {})
DEFINE_CLASS_INFO(TSkinMP, TSkinControl, {})

const std::array<const wchar_t*, kMPButtons> kMPButtonNames = {
    L"btPlay", L"btPause", L"btStop", L"btNext", L"btPrev", L"btStep", L"btBack", L"btRecord", L"btEject"};
const std::array<const wchar_t*, kMPButtons> kMPGlyphNames = {
    L"MPPLAY", L"MPPAUSE", L"MPSTOP", L"MPNEXT", L"MPPREV", L"MPSTEP", L"MPBACK", L"MPRECORD", L"MPEJECT"};

namespace {
std::wstring Trimmed(const std::wstring& text) {
  size_t first = 0, last = text.size();
  while (first < last && iswspace(text[first])) ++first;
  while (last > first && iswspace(text[last - 1])) --last;
  return text.substr(first, last - first);
}

void LoadGlyph(TBitmap& glyph, const wchar_t* state, const wchar_t* button) {
  const std::wstring name = std::wstring(state) + L"_" + button;
  LoadBuiltinImage(glyph, name.c_str());
  glyph.Transparent = true;
  glyph.TransparentColor = kMPGlyphKey;
}
}  // namespace

bool SetTextHas(const std::wstring& SetText, const wchar_t* Member) {
  std::wstring members = Trimmed(SetText);
  if (members.size() < 2 || members.front() != L'[' || members.back() != L']') return false;
  members = members.substr(1, members.size() - 2) + L",";
  for (size_t start = 0, comma; (comma = members.find(L',', start)) != std::wstring::npos; start = comma + 1)
    if (_wcsicmp(Trimmed(members.substr(start, comma - start)).c_str(), Member) == 0) return true;
  return false;
}

// ---- The panel ----

TWMediaPlayer::TWMediaPlayer(TComponent* AOwner) : TCustomPanel(AOwner) {
  for (int i = 0; i < kMPButtons; ++i) {
    TPlayerButton& b = FButtons[size_t(i)];
    LoadGlyph(b.Glyph, L"EN", kMPGlyphNames[size_t(i)]);
    LoadGlyph(b.DisabledGlyph, L"DI", kMPGlyphNames[size_t(i)]);
    LoadGlyph(b.ColoredGlyph, L"CL", kMPGlyphNames[size_t(i)]);
  }
}

TWMediaPlayer::~TWMediaPlayer() {
  if (FSkinner) FSkinner->PanelGone();
}

void TWMediaPlayer::Setup(TSkinMP* Skinner, TControl* Player) {
  FSkinner = Skinner;
  FPlayer = Player;
  FSkinData = Skinner->SkinData();
  if (FSkinData) SetTag(FSkinData->GetDisableTag());
  AlignToPlayer(Player);
  SetParent(Player->Parent());
  // Over the player, so the mouse and the screen meet the panel.
  if (Parent() && Parent()->HandleAllocated())
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWMediaPlayer::AlignToPlayer(TControl* Player) {
  if (Player) SetBounds(Player->GetLeft(), Player->GetTop(), Player->GetWidth(), Player->GetHeight());
}

void TWMediaPlayer::ReadButtons() {
  const std::wstring visible = ReadSetProp(FPlayer, "VisibleButtons");
  const std::wstring enabled = ReadSetProp(FPlayer, "EnabledButtons");
  const std::wstring colored = ReadSetProp(FPlayer, "ColoredButtons");
  FVisibleCount = 0;
  for (int i = 0; i < kMPButtons; ++i) {
    TPlayerButton& b = FButtons[size_t(i)];
    b.Visible = SetTextHas(visible, kMPButtonNames[size_t(i)]);
    b.Enabled = SetTextHas(enabled, kMPButtonNames[size_t(i)]);
    b.Colored = SetTextHas(colored, kMPButtonNames[size_t(i)]);
    FVisibleCount += b.Visible;
  }
}

void TWMediaPlayer::PaintWindow(HDC dc) {
  if (!FSkinner) return TCustomPanel::PaintWindow(dc);
  ReadButtons();
  const RECT whole{0, 0, FWidth, FHeight};
  if (FVisibleCount == 0) return FSkinner->FillFace(dc, whole);
  FButtonWidth = FWidth / FVisibleCount;
  FBuffer.SetSize(FWidth, FHeight);
  if (FBuffer.Empty()) return;
  FSkinner->FillFace(FBuffer.Canvas().Handle(), whole);
  int x = 0;
  for (int i = 0; i < kMPButtons; ++i) {
    if (!FButtons[size_t(i)].Visible) continue;
    DrawButton(FBuffer.Canvas(), i, {x, 0, x + FButtonWidth, FHeight});
    x += FButtonWidth;
  }
  BitBlt(dc, 0, 0, FWidth, FHeight, FBuffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TWMediaPlayer::DrawButton(TCanvas& Canvas, int Index, const RECT& Rect) {
  TPlayerButton& b = FButtons[size_t(Index)];
  TBitmap& glyph = !b.Enabled ? b.DisabledGlyph : b.Colored ? b.ColoredGlyph : b.Glyph;
  const int frame = !b.Enabled ? mfDisabled : FMouseDown && Index == FPressedIndex ? mfPressed : mfNormal;
  const TDataSkinObject* element = FSkinData ? FSkinData->PushButtons.get() : nullptr;
  if (HasImage(element)) DrawElement(Canvas.Handle(), Rect, element->FrameCount, frame, *element);
  const int shift = frame == mfPressed ? 1 : 0;
  const int width = Rect.right - Rect.left, height = Rect.bottom - Rect.top;
  Canvas.Draw(Rect.left + (width - glyph.Width()) / 2 + shift, (height - glyph.Height()) / 2 + shift, glyph);
}

int TWMediaPlayer::HitTest(int X) {
  FHitIndex = kMPNone;
  int left = 0;
  for (int i = 0; i < kMPButtons; ++i) {
    if (!FButtons[size_t(i)].Visible) continue;
    if (left <= X && X <= left + FButtonWidth) {
      FHitIndex = i;
      break;
    }
    left += FButtonWidth;
  }
  return FHitIndex;
}

void TWMediaPlayer::ButtonDown(TMessage& m) {
  FMouseDown = true;
  TCustomPanel::WndProc(m);
  if (FPlayer) FPlayer->Perform(m.Msg, m.WParam, m.LParam);
  // The player took the mouse; the release must come back here, wherever
  // it happens, so the panel holds it instead.
  ReleaseCapture();
  if (FHandle) SetCapture(FHandle);
  FPressedIndex = HitTest(GET_X_LPARAM(m.LParam));
  Invalidate();
}

void TWMediaPlayer::ButtonUp(TMessage& m) {
  FMouseDown = false;
  TCustomPanel::WndProc(m);
  if (GetCapture() == FHandle) ReleaseCapture();
  const POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  const bool inside = at.y >= 0 && at.y < FHeight && at.x >= 0 && at.x < FWidth;
  if (!inside) FHitIndex = kMPNone;
  else HitTest(at.x);
  // The player completes its click only over the button it went down on.
  if (FHitIndex == FPressedIndex && FPlayer) FPlayer->Perform(m.Msg, m.WParam, m.LParam);
  FPressedIndex = FHitIndex;
  Invalidate();
}

void TWMediaPlayer::WndProc(TMessage& m) {
  if (FSkinner && (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK)) return ButtonDown(m);
  if (FSkinner && m.Msg == WM_LBUTTONUP) return ButtonUp(m);
  TCustomPanel::WndProc(m);
}

// ---- The skinner ----

TSkinMP::~TSkinMP() { FreePanel(); }

void TSkinMP::FreePanel() {
  if (TWMediaPlayer* panel = std::exchange(FPlayerPanel, nullptr)) {
    panel->Disown();
    delete panel;
  }
}

void TSkinMP::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  if (FAttached) return;
  TSkinControl::AttachControl(Form, SkinData, OwnsColor, Canvas);
  if (!FControl) return;
  // The form skinner owns it where it is a component; the skinner frees it
  // in any case when it goes.
  FPlayerPanel = new TWMediaPlayer(dynamic_cast<TComponent*>(Form));
  FPlayerPanel->Setup(this, FControl);
  FPlayerPanel->SetVisible(FControl->GetVisible());
}

void TSkinMP::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGED:
      if (FPlayerPanel) FPlayerPanel->AlignToPlayer(FControl);
      break;
    case CM_VISIBLECHANGED:
      if (FPlayerPanel && FControl) FPlayerPanel->SetVisible(FControl->GetVisible());
      break;
    case WM_PAINT:
      // The player repainted: its buttons may have changed under the panel.
      if (FPlayerPanel) FPlayerPanel->Invalidate();
      break;
    default: TSkinControl::AfterMessage(Message);
  }
}

void TSkinMP::Detach() {
  const bool wasActive = FActive;
  DetachAndRepaint();
  if (wasActive && FStatus != ssWindowGone) FreePanel();
}

#include "host/MPlayer.h"
#include "host/Handles.h"
#include <utility>
#include <mmsystem.h>
#include <windowsx.h>

namespace {
const std::vector<std::wstring> kButtonNames = {L"btPlay", L"btPause",  L"btStop",   L"btNext", L"btPrev",
                                                L"btStep", L"btBack",   L"btRecord", L"btEject"};

// The glyphs, drawn in a box of this size centred on each button.
constexpr int kGlyphW = 12, kGlyphH = 10;

void Triangle(HDC dc, POINT o, int left, int right, bool pointsRight) {
  const int tip = pointsRight ? right : left, base = pointsRight ? left : right;
  const POINT p[] = {{o.x + base, o.y}, {o.x + tip, o.y + kGlyphH / 2}, {o.x + base, o.y + kGlyphH}};
  Polygon(dc, p, 3);
}
void Bar(HDC dc, POINT o, int left, int right, int top = 0, int bottom = kGlyphH) {
  Rectangle(dc, o.x + left, o.y + top, o.x + right, o.y + bottom);
}

// A small pictogram of the button at o, in the DC's pen and brush.
void DrawGlyph(HDC dc, POINT o, TMPBtnType button) {
  switch (button) {
    case btPlay: Triangle(dc, o, 3, 9, true); break;
    case btPause: Bar(dc, o, 2, 5); Bar(dc, o, 7, 10); break;
    case btStop: Bar(dc, o, 1, 11, 0, kGlyphH); break;
    case btNext: Triangle(dc, o, 2, 8, true); Bar(dc, o, 9, 11); break;
    case btPrev: Bar(dc, o, 1, 3); Triangle(dc, o, 4, 10, false); break;
    case btStep: Triangle(dc, o, 0, 6, true); Triangle(dc, o, 6, 12, true); break;
    case btBack: Triangle(dc, o, 0, 6, false); Triangle(dc, o, 6, 12, false); break;
    case btRecord: Ellipse(dc, o.x + 1, o.y, o.x + 11, o.y + kGlyphH); break;
    case btEject: {
      const POINT p[] = {{o.x + 1, o.y + 6}, {o.x + 6, o.y}, {o.x + 11, o.y + 6}};
      Polygon(dc, p, 3);
      Bar(dc, o, 1, 11, 8, 10);
      break;
    }
  }
}

// Coloured glyphs: play and the moves green, record red, the rest blue.
COLORREF ColouredInk(TMPBtnType button) {
  switch (button) {
    case btRecord: return RGB(200, 0, 0);
    case btPause:
    case btStop:
    case btEject: return RGB(0, 0, 200);
    default: return RGB(0, 140, 0);
  }
}

int VisibleCount(TButtonSet visible) {
  int n = 0;
  for (int i = 0; i < kMPButtonCount; ++i) n += InButtonSet(visible, i);
  return n;
}

TMPModes ModeFromText(const std::wstring& text) {
  static const std::pair<const wchar_t*, TMPModes> modes[] = {
      {L"stopped", mpStopped}, {L"playing", mpPlaying}, {L"recording", mpRecording},
      {L"seeking", mpSeeking}, {L"paused", mpPaused},   {L"open", mpOpen}};
  for (const auto& [name, mode] : modes)
    if (_wcsicmp(text.c_str(), name) == 0) return mode;
  return mpNotReady;
}

bool IsWaveFile(const std::wstring& name) {
  return name.size() > 4 && _wcsicmp(name.c_str() + name.size() - 4, L".wav") == 0;
}
}  // namespace

const std::vector<std::wstring>& MPButtonNames() { return kButtonNames; }

int MPButtonAt(TButtonSet Visible, int Width, int X) {
  const int count = VisibleCount(Visible);
  if (count == 0) return kMPButtonCount;
  const int width = Width / count;
  int left = 0;
  for (int i = 0; i < kMPButtonCount; ++i) {
    if (!InButtonSet(Visible, i)) continue;
    if (left <= X && X <= left + width) return i;
    left += width;
  }
  return kMPButtonCount;
}

DEFINE_COMPONENT_INFO(TMediaPlayer, TWinControl,
  {SetOfProp("VisibleButtons", &TMediaPlayer::GetVisibleButtons, &TMediaPlayer::SetVisibleButtons, kButtonNames),
   SetOfProp("EnabledButtons", &TMediaPlayer::GetEnabledButtons, &TMediaPlayer::SetEnabledButtons, kButtonNames),
   SetOfProp("ColoredButtons", &TMediaPlayer::GetColoredButtons, &TMediaPlayer::SetColoredButtons, kButtonNames),
   BoolProp("AutoEnable", &TMediaPlayer::GetAutoEnable, &TMediaPlayer::SetAutoEnable),
   BoolProp("AutoOpen", &TMediaPlayer::GetAutoOpen, &TMediaPlayer::SetAutoOpen),
   StrProp("FileName", &TMediaPlayer::GetFileName, &TMediaPlayer::SetFileName),
   EventProp("OnClick", &TMediaPlayer::OnClick)})

TMediaPlayer::TMediaPlayer(TComponent* AOwner) : TWinControl(AOwner) {
  static unsigned players = 0;
  FAlias = L"mediaplayer" + std::to_wstring(++players);
  FWidth = 253;
  FHeight = 30;
}

TMediaPlayer::~TMediaPlayer() { Close(); }

void TMediaPlayer::SetVisibleButtons(TButtonSet v) {
  FVisibleButtons = v & kAllMPButtons;
  Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet v) {
  FEnabledButtons = v & kAllMPButtons;
  Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet v) {
  FColoredButtons = v & kAllMPButtons;
  Invalidate();
}

void TMediaPlayer::SetAutoEnable(bool v) {
  FAutoEnable = v;
  UpdateEnabled();
}

void TMediaPlayer::Loaded() {
  TWinControl::Loaded();
  if (FAutoOpen && !FFileName.empty()) Open();
}

bool TMediaPlayer::Command(const std::wstring& verb, const std::wstring& tail, bool notify) {
  std::wstring text = verb + L" " + FAlias + (tail.empty() ? L"" : L" " + tail);
  const HWND callback = notify && HandleAllocated() ? FHandle : nullptr;
  if (callback) text += L" notify";
  const bool done = mciSendStringW(text.c_str(), nullptr, 0, callback) == 0;
  UpdateEnabled();
  return done;
}

bool TMediaPlayer::Open() {
  Close();
  if (FFileName.empty()) return false;
  const std::wstring text = L"open \"" + FFileName + L"\"" + (IsWaveFile(FFileName) ? L" type waveaudio" : L"") +
                            L" alias " + FAlias;
  FOpened = mciSendStringW(text.c_str(), nullptr, 0, nullptr) == 0;
  UpdateEnabled();
  return FOpened;
}

void TMediaPlayer::Close() {
  if (!FOpened) return;
  mciSendStringW((L"close " + FAlias).c_str(), nullptr, 0, nullptr);
  FOpened = false;
  UpdateEnabled();
}

bool TMediaPlayer::Play() {
  if (!FOpened) return false;
  // From the start again once played to the end.
  if (Mode() == mpStopped) Command(L"seek", L"to start");
  return Command(L"play", L"", true);
}
bool TMediaPlayer::Pause() {
  if (!FOpened) return false;
  return Mode() == mpPaused ? Command(L"play", L"", true) : Command(L"pause");
}
bool TMediaPlayer::Stop() { return FOpened && Command(L"stop"); }
bool TMediaPlayer::Next() { return FOpened && Command(L"seek", L"to end"); }
bool TMediaPlayer::Previous() { return FOpened && Command(L"seek", L"to start"); }
bool TMediaPlayer::Step() { return FOpened && Command(L"step", L"by 1"); }
bool TMediaPlayer::Back() { return FOpened && Command(L"step", L"reverse by 1"); }
bool TMediaPlayer::StartRecording() { return FOpened && Command(L"record", L"", true); }
bool TMediaPlayer::Eject() { return FOpened && Command(L"set", L"door open"); }

TMPModes TMediaPlayer::Mode() const {
  if (!FOpened) return mpNotReady;
  wchar_t answer[64] = {};
  if (mciSendStringW((L"status " + FAlias + L" mode").c_str(), answer, 64, nullptr) != 0) return mpNotReady;
  return ModeFromText(answer);
}

void TMediaPlayer::UpdateEnabled() {
  if (!FAutoEnable) return;
  auto set = [](std::initializer_list<TMPBtnType> buttons) {
    TButtonSet s = 0;
    for (TMPBtnType b : buttons) s |= 1u << b;
    return s;
  };
  TButtonSet enabled = 0;
  switch (Mode()) {
    case mpNotReady: break;
    case mpPlaying: enabled = set({btPause, btStop, btNext, btPrev}); break;
    case mpRecording: enabled = set({btPause, btStop}); break;
    case mpPaused: enabled = set({btPlay, btPause, btStop, btNext, btPrev}); break;
    default: enabled = set({btPlay, btNext, btPrev, btStep, btBack, btRecord, btEject}); break;
  }
  if (enabled != FEnabledButtons) SetEnabledButtons(enabled);
}

void TMediaPlayer::ClickButton(TMPBtnType Button) {
  bool doDefault = true;
  if (OnClick) OnClick(this, Button, doDefault);
  if (!doDefault) return;
  switch (Button) {
    case btPlay: Play(); break;
    case btPause: Pause(); break;
    case btStop: Stop(); break;
    case btNext: Next(); break;
    case btPrev: Previous(); break;
    case btStep: Step(); break;
    case btBack: Back(); break;
    case btRecord: StartRecording(); break;
    case btEject: Eject(); break;
  }
}

void TMediaPlayer::Pressed(int x) {
  const int button = MPButtonAt(FVisibleButtons, FWidth, x);
  if (button == kMPButtonCount || !InButtonSet(FEnabledButtons, button)) return;
  FPressedButton = button;
  SetCapture(FHandle);
  Invalidate();
}

void TMediaPlayer::Released(int x, int y) {
  const int pressed = std::exchange(FPressedButton, kMPButtonCount);
  if (pressed == kMPButtonCount) return;
  if (GetCapture() == FHandle) ReleaseCapture();
  Invalidate();
  const bool inside = y >= 0 && y < FHeight;
  if (inside && MPButtonAt(FVisibleButtons, FWidth, x) == pressed) ClickButton(TMPBtnType(pressed));
}

void TMediaPlayer::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: Pressed(GET_X_LPARAM(m.LParam)); break;
    case WM_LBUTTONUP: Released(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)); break;
    case MM_MCINOTIFY: UpdateEnabled(); break;
  }
  TWinControl::WndProc(m);
}

void TMediaPlayer::PaintWindow(HDC dc) {
  const RECT client = ClientRect();
  TCanvas canvas(dc);
  canvas.BrushColor = FColor;
  canvas.FillRect(client);
  const int count = VisibleCount(FVisibleButtons);
  if (count == 0) return;
  const int width = FWidth / count;
  TPenHandle shadowPen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
  int left = 0;
  for (int i = 0; i < kMPButtonCount; ++i) {
    if (!InButtonSet(FVisibleButtons, i)) continue;
    RECT r{left, 0, left + width, FHeight};
    left += width;
    const bool pressed = i == FPressedButton;
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
    POINT o{r.left + (width - kGlyphW) / 2 + pressed, (FHeight - kGlyphH) / 2 + pressed};
    const bool enabled = InButtonSet(FEnabledButtons, i);
    COLORREF ink = !enabled ? GetSysColor(COLOR_GRAYTEXT)
                   : InButtonSet(FColoredButtons, i) ? ColouredInk(TMPBtnType(i)) : RGB(0, 0, 0);
    TPenHandle pen(CreatePen(PS_SOLID, 1, ink));
    TBrushHandle brush(CreateSolidBrush(ink));
    if (!enabled) {
      // Etched: the light copy one pixel down and right.
      TBrushHandle light(CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT)));
      TSelectObject p(dc, shadowPen.Get()), b(dc, light.Get());
      DrawGlyph(dc, {o.x + 1, o.y + 1}, TMPBtnType(i));
    }
    TSelectObject p(dc, pen.Get()), b(dc, brush.Get());
    DrawGlyph(dc, o, TMPBtnType(i));
  }
}

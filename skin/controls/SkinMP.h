// Media players: the class library's player paints its button bar itself,
// out of reach of the skin, so the skinner covers it with a panel of the
// same size and parent that paints the visible buttons from the skin's
// "Buttons" element with the engine's own glyphs and hands clicks on to
// the real player.
#pragma once
#include "host/ExtCtrls.h"
#include "skin/controls/SkinControl.h"
#include <array>
#include <memory>

class TSkinMP;

// The buttons in the player's order; kMPNone is no button.
constexpr int kMPButtons = 9;
constexpr int kMPNone = kMPButtons;
// The player's set properties name their members so.
extern const std::array<const wchar_t*, kMPButtons> kMPButtonNames;
// The glyphs' resource names are "<state>_<button>", e.g. EN_MPPLAY.
extern const std::array<const wchar_t*, kMPButtons> kMPGlyphNames;
// The glyphs' transparent colour, olive.
constexpr TColor kMPGlyphKey = TColor(RGB(128, 128, 0));

// Frames of the "Buttons" strip a player button takes.
enum TMPButtonFrame { mfNormal = 1, mfPressed = 2, mfDisabled = 3 };

// Whether the set text ("[btPlay,btStop]", spaces allowed) names Member.
bool SetTextHas(const std::wstring& SetText, const wchar_t* Member);

class TWMediaPlayer : public TCustomPanel {
public:
  DECLARE_CLASS_INFO
  // Loads the 27 glyphs; a missing one stays empty.
  explicit TWMediaPlayer(TComponent* AOwner);
  ~TWMediaPlayer() override;

  void Setup(TSkinMP* Skinner, TControl* Player);
  void AlignToPlayer(TControl* Player);
  // The button under X of the last paint's layout (kMPNone: none), kept in
  // FHitIndex.
  int HitTest(int X);
  void DrawButton(TCanvas& Canvas, int Index, const RECT& Rect);
  // The skinner is going: the panel no longer reaches it or the player.
  void Disown() { FSkinner = nullptr; FPlayer = nullptr; }

  struct TPlayerButton {
    bool Visible = false, Enabled = false, Colored = false;
    TBitmap Glyph, DisabledGlyph, ColoredGlyph;
  };
  const TPlayerButton& Button(int Index) const { return FButtons[size_t(Index)]; }
  int VisibleCount() const { return FVisibleCount; }
  bool MouseIsDown() const { return FMouseDown; }
  int PressedIndex() const { return FPressedIndex; }
  int ButtonWidth() const { return FButtonWidth; }

protected:
  void PaintWindow(HDC dc) override;
  void WndProc(TMessage& m) override;

private:
  // The player's three sets, read by name.
  void ReadButtons();
  void ButtonDown(TMessage& m);
  void ButtonUp(TMessage& m);

  std::array<TPlayerButton, kMPButtons> FButtons;
  int FVisibleCount = 0;
  TSkinData* FSkinData = nullptr;
  bool FMouseDown = false;
  int FPressedIndex = kMPNone;
  int FHitIndex = kMPNone;
  int FButtonWidth = 0;
  TControl* FPlayer = nullptr;
  TSkinMP* FSkinner = nullptr;
  TBitmap FBuffer;
};

class TSkinMP : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  // Frees the panel if it is still there.
  ~TSkinMP() override;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void AfterMessage(TMessage& Message) override;
  // The panel goes, unless the player's window is being destroyed (its
  // parent then takes the panel with it).
  void Detach() override;

  TWMediaPlayer* PlayerPanel() const { return FPlayerPanel; }
  // The panel was freed by another owner.
  void PanelGone() { FPlayerPanel = nullptr; }

private:
  void FreePanel();
  TWMediaPlayer* FPlayerPanel = nullptr;
};

// The media player: a bar of nine buttons that drive a multimedia device
// (a WAV file is enough) through the system's MCI command strings.
#pragma once
#include "host/Controls.h"
#include <functional>
#include <string>
#include <vector>

enum TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
constexpr int kMPButtonCount = 9;
// A set of TMPBtnType: bit i for button i.
using TButtonSet = unsigned;
constexpr TButtonSet kAllMPButtons = (1u << kMPButtonCount) - 1;
inline bool InButtonSet(TButtonSet set, int button) { return (set >> button) & 1; }

// The device's state, as MCI reports it.
enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

// Before a button's action: DoDefault false skips it.
using TMPBtnClickEvent = std::function<void(TObject* Sender, TMPBtnType Button, bool& DoDefault)>;

// The names of the buttons in set order, as published sets store them.
const std::vector<std::wstring>& MPButtonNames();
// The button at X of a bar Width wide showing the Visible buttons side by
// side in equal widths (Width div their count): the first one whose span,
// both edges included, holds X; kMPButtonCount when none.
int MPButtonAt(TButtonSet Visible, int Width, int X);

class TMediaPlayer : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TMediaPlayer(TComponent* AOwner);
  ~TMediaPlayer() override;  // the device is closed

  TButtonSet GetVisibleButtons() const { return FVisibleButtons; }
  void SetVisibleButtons(TButtonSet v);
  // With AutoEnable the device's state decides these whenever it changes.
  TButtonSet GetEnabledButtons() const { return FEnabledButtons; }
  void SetEnabledButtons(TButtonSet v);
  TButtonSet GetColoredButtons() const { return FColoredButtons; }
  void SetColoredButtons(TButtonSet v);
  bool GetAutoEnable() const { return FAutoEnable; }
  void SetAutoEnable(bool v);
  // Opens FileName once the form description has been read.
  bool GetAutoOpen() const { return FAutoOpen; }
  void SetAutoOpen(bool v) { FAutoOpen = v; }
  std::wstring GetFileName() const { return FFileName; }
  void SetFileName(const std::wstring& v) { FFileName = v; }

  // Each answers whether the device took the command; none throws.
  bool Open();
  void Close();
  bool Play();
  // Pauses, or goes on when paused.
  bool Pause();
  bool Stop();
  bool Next();      // to the end
  bool Previous();  // to the start
  bool Step();
  bool Back();
  bool StartRecording();
  bool Eject();

  bool Opened() const { return FOpened; }
  TMPModes Mode() const;
  // The event, then, unless it says no, the button's action.
  void ClickButton(TMPBtnType Button);

  // The player's own event: which button, and whether its action runs.
  TMPBtnClickEvent OnClick;

  void Loaded() override;

protected:
  void PaintWindow(HDC dc) override;
  void WndProc(TMessage& m) override;

private:
  bool Command(const std::wstring& verb, const std::wstring& tail = L"", bool notify = false);
  // With AutoEnable: the buttons the device's state allows.
  void UpdateEnabled();
  void Pressed(int x);
  void Released(int x, int y);

  TButtonSet FVisibleButtons = kAllMPButtons;
  TButtonSet FEnabledButtons = kAllMPButtons;
  TButtonSet FColoredButtons = kAllMPButtons;
  bool FAutoEnable = true;
  bool FAutoOpen = false;
  std::wstring FFileName;
  std::wstring FAlias;  // the device's name in commands, unique per player
  bool FOpened = false;
  int FPressedButton = kMPButtonCount;  // under the press, while the button is down
};

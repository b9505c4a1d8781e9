// The old-style tab set: tabs hanging from a line along its top, the first
// shown one chosen with a scroller (an up-down) when they do not all fit.
#pragma once
#include "host/Controls.h"
#include <vector>

// A tab is its caption's width and this much more.
constexpr int kTabSetTabPadding = 9;
// Room a tab keeps free of the end margin while the scroller shows.
constexpr int kTabSetScrollerRoom = 12;

// One shown tab: its index and its left and right edges.
struct TTabSetSpot {
  int Index;
  int Left;
  int Right;
};

// Where the tabs of a tab set go: from first on, each its caption's width
// plus the padding wide, one after the other from start. A tab that would
// pass limit (less the scroller's room while the scroller shows) is left
// out, and the next is tried.
std::vector<TTabSetSpot> TabSetLayout(const std::vector<int>& captionWidths, int first, int start, int limit,
                                      bool scrollerVisible);

class TTabSet;

// The scroller of a tab set: a horizontal up-down whose arrows move the
// first shown tab.
class TTabScroller : public TWinControl {
public:
  DECLARE_CLASS_INFO
  TTabScroller(TTabSet& tabSet);

protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;

private:
  TTabSet& FTabSet;
};

class TTabSet : public TWinControl {
public:
  DECLARE_CLASS_INFO
  // Makes the scroller too, as its first owned component.
  explicit TTabSet(TComponent* AOwner);

  // The captions; after changing them, TabsChanged brings the picture along.
  TStringList* GetTabs() const { return const_cast<TStringList*>(&FTabs); }
  void TabsChanged();
  int GetTabIndex() const { return FTabIndex; }
  void SetTabIndex(int index);
  int GetFirstIndex() const { return FFirstIndex; }
  void SetFirstIndex(int index);
  int GetStartMargin() const { return FStartMargin; }
  void SetStartMargin(int v);
  int GetEndMargin() const { return FEndMargin; }
  void SetEndMargin(int v);
  TTabScroller* Scroller() const { return FScroller; }
  bool GetScrollerVisible() const { return FScrollerVisible; }

  // The tabs as they show now.
  std::vector<TTabSetSpot> Layout();
  // The tab under a client point, or -1.
  int TabAt(int x, int y);
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  // The selected tab changed by the user.
  TNotifyEvent OnChange;

protected:
  void WndProc(TMessage& m) override;
  void PaintWindow(HDC dc) override;
  void HandleCreated() override { TabsChanged(); }

private:
  std::vector<int> CaptionWidths();
  // Shows the scroller while tabs are hidden, and places it.
  void UpdateScroller();
  void PaintTab(HDC dc, const TTabSetSpot& spot);
  TStringList FTabs;
  int FTabIndex = -1;
  int FFirstIndex = 0;
  int FStartMargin = 5;
  int FEndMargin = 15;
  bool FScrollerVisible = false;
  TTabScroller* FScroller = nullptr;
};

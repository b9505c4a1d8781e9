// List views: the scroll bars of any scrolling control, and the list's own
// header window (its column captions) skinned as a header control.
#pragma once
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinScrollbar.h"

class TSkinListView : public TSkinScrollbar {
public:
  DECLARE_CLASS_INFO
  using TSkinScrollbar::TSkinScrollbar;
  void AttachScrolled(TWinControl* Control, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) override;
  void Detach() override;
  TSkinHeader* HeaderSkinner() const { return FHeaderSkinner; }

private:
  // Owned by this skinner, so it goes with it; released on detach.
  TSkinHeader* FHeaderSkinner = nullptr;
};

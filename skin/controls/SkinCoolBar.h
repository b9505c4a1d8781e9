// Cool bars: every band in the skin's face colour while skinned, and in its
// own colour again on detach.
#pragma once
#include "skin/controls/SkinBox.h"
#include <vector>

class TSkinCoolBar : public TSkinBox {
public:
  DECLARE_CLASS_INFO
  using TSkinBox::TSkinBox;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void Detach() override;

private:
  std::vector<TColor> FBandColours;  // by band, before skinning
};

#include "skin/controls/SkinCoolBar.h"
#include "host/ToolWin.h"
#include "skin/data/WinSkinData.h"
#include <algorithm>

DEFINE_CLASS_INFO(TSkinCoolBar, TSkinBox, {})

void TSkinCoolBar::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  TSkinBox::AttachControl(Form, SkinData, OwnsColor, Canvas);
  auto* bar = dynamic_cast<TCoolBar*>(FControl);
  if (!bar) return;
  TCoolBands& bands = *bar->Bands();
  FBandColours.clear();
  for (int i = 0; i < bands.Count(); ++i) {
    FBandColours.push_back(bands[i].GetColor());
    bands[i].SetColor(SkinData->SkinColours[3]);
  }
}

void TSkinCoolBar::Detach() {
  auto* bar = dynamic_cast<TCoolBar*>(FControl);
  const auto saved = std::exchange(FBandColours, {});
  // Bands added while skinned keep the colour they were given.
  if (bar && FStatus != ssDestroying) {
    TCoolBands& bands = *bar->Bands();
    for (int i = 0; i < std::min(bands.Count(), int(saved.size())); ++i) bands[i].SetColor(saved[i]);
  }
  TSkinBox::Detach();
}

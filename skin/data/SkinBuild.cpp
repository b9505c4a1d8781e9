// Building the skin state from a package's entries and INI description, in
// the order the steps depend on one another: colours before the elements
// whose second colours default to ButtonText, ComboButton before its mirror,
// frame counts before the images composed from the frames.
#include "skin/data/SkinBuildSteps.h"
#include "skin/data/SkinElementLoad.h"
#include "skin/data/SkinElementSlots.h"
#include "skin/data/SkinLoad.h"
#include <algorithm>

namespace {
void LoadElementTable(TSkinState& skin, const TSkinSource& source) {
  const TElementLoader load(source, skin.SkinColours[4]);
  ForEachElementSlot(skin, [&load](auto& slot, const TElementSection& row) { load.Element(slot, row); });
  LoadMenuBar(skin, source);
  if (TDataSkinObject* pane = skin.TabPane.get())
    for (int* margin : {&pane->LeftWidth, &pane->TopHeight, &pane->RightWidth, &pane->BottomHeight})
      *margin = std::min(*margin, kTabPaneMaxMargin);
  MirrorComboButton(skin);
}
}  // namespace

void BuildSkin(TSkinState& skin, const TSkinReader& reader, const TQuickIni& ini) {
  const TSkinSource source(reader, ini);
  skin.SkinName = source.Text(kTitlebarSkinSection, kSkinNameKey);
  LoadFrameSides(skin, source);
  LoadSkinColours(skin, source);
  LoadCaptionButtons(skin, source);
  LoadPushButtons(skin, source);
  LoadTitle(skin, source);
  LoadElementTable(skin, source);
  UseBuiltinTracks(skin);
  ApplyFrameCounts(skin, source);
  MakeComboImages(skin);
  MakeComboxArrow(skin);
  const TColor titleSample = TitleSampleColour(skin);
  MakeToolbar(skin, titleSample);
  skin.SkinColours[17] = titleSample;
  skin.ButtonFaceBrush.Reset();  // the old brush goes before the new one is made
  skin.ButtonFaceBrush.Reset(CreateSolidBrush(ColorToRGB(skin.SkinColours[3])));
  skin.NoSkinLoaded = false;
}

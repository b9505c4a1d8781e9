// Building the skin state from a package's entries and INI description, in
// the order the steps depend on one another: colours before the elements
// whose second colours default to ButtonText, ComboButton before its mirror,
// frame counts before the images composed from the frames.
#include "skin/data/SkinBuildSteps.h"
#include "skin/data/SkinElementLoad.h"
#include "skin/data/SkinLoad.h"
#include <algorithm>

namespace {
void LoadElementTable(TSkinState& skin, const TSkinSource& source) {
  const TElementLoader load(source, skin.SkinColours[4]);
  load.BitmapKey(skin.ProgressBar, "Progress");
  load.Common(skin.ProgressChunk, "Progress.Chunk");
  LoadMenuBar(skin, source);
  load.Common(skin.GroupBoxEdge, "GroupBoxEdge");
  load.BoxLabel(skin.GroupBox, "GroupBox");
  load.TwoImage(skin.Tabs, "Tabs", "Border");
  load.Common(skin.StatusBarEdges, "StatusBarEdges");
  load.Common(skin.TabPane, "Tab.Pane");
  if (TDataSkinObject* pane = skin.TabPane.get())
    for (int* margin : {&pane->LeftWidth, &pane->TopHeight, &pane->RightWidth, &pane->BottomHeight})
      *margin = std::min(*margin, 4);
  load.Common(skin.ToolBars, "ToolBars");
  load.TwoImage(skin.ComboButton, "ComboButton", "****");  // no skin gives this key
  load.Common(skin.SunkEdge, "SunkEdge");
  MirrorComboButton(skin);

  const std::pair<std::unique_ptr<TDataSkinObject>*, const char*> common[] = {
      {&skin.ExtraImages, "ExtraImages"},
      {&skin.Headerbar, "Headerbar"},
      {&skin.MenuItem, "MenuItem"},
      {&skin.MenuBackground, "MenuBackground"},
      {&skin.Scrollbar, "Scrollbar"},
      {&skin.HorzScroll, "HorzScroll"},
      {&skin.VertScroll, "VertScroll"},
      {&skin.HorzScrollThumb, "HorzScrollThumb"},
      {&skin.VertScrollThumb, "VertScrollThumb"},
      {&skin.TrackThumbHorz, "Trackbar.ThumbHorz"},
      {&skin.TrackThumbVert, "Trackbar.ThumbVert"},
      {&skin.TrackThumbLeft, "Trackbar.ThumbLeft"},
      {&skin.TrackThumbRight, "Trackbar.ThumbRight"},
      {&skin.TrackThumbUp, "Trackbar.ThumbUp"},
      {&skin.TrackThumbDown, "Trackbar.ThumbDown"}};
  for (const auto& [slot, section] : common) load.Common(*slot, section);
  load.TwoImage(skin.UpDownHorz, "UpDown.Horz", "GlyphImage");
  load.TwoImage(skin.UpDownVert, "UpDown.Vert", "GlyphImage");
  load.Common(skin.Track, "Track");
  load.Common(skin.TrackVert, "TRACKVERT");
}
}  // namespace

void BuildSkin(TSkinState& skin, const TSkinReader& reader, const TQuickIni& ini) {
  const TSkinSource source(reader, ini);
  skin.SkinName = source.Text("TitlebarSkin", "SkinName");
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

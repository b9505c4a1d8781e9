// The slots of the optional elements, each with its row of the element table.
#pragma once
#include "skin/data/SkinIniNames.h"
#include "skin/data/WinSkinData.h"

// Calls visit(slot, row) for every optional element, in loading order; the
// slots differ in class, so visit takes the slot as auto&.
template <class TVisit>
void ForEachElementSlot(TSkinState& skin, TVisit&& visit) {
  const auto row = [](TSkinElement id) -> const TElementSection& { return kElementSections[id]; };
  visit(skin.ProgressBar, row(seProgressBar));
  visit(skin.ProgressChunk, row(seProgressChunk));
  visit(skin.GroupBoxEdge, row(seGroupBoxEdge));
  visit(skin.GroupBox, row(seGroupBox));
  visit(skin.Tabs, row(seTabs));
  visit(skin.StatusBarEdges, row(seStatusBarEdges));
  visit(skin.TabPane, row(seTabPane));
  visit(skin.ToolBars, row(seToolBars));
  visit(skin.ComboButton, row(seComboButton));
  visit(skin.SunkEdge, row(seSunkEdge));
  visit(skin.ExtraImages, row(seExtraImages));
  visit(skin.Headerbar, row(seHeaderbar));
  visit(skin.MenuItem, row(seMenuItem));
  visit(skin.MenuBackground, row(seMenuBackground));
  visit(skin.Scrollbar, row(seScrollbar));
  visit(skin.HorzScroll, row(seHorzScroll));
  visit(skin.VertScroll, row(seVertScroll));
  visit(skin.HorzScrollThumb, row(seHorzScrollThumb));
  visit(skin.VertScrollThumb, row(seVertScrollThumb));
  visit(skin.TrackThumbHorz, row(seTrackThumbHorz));
  visit(skin.TrackThumbVert, row(seTrackThumbVert));
  visit(skin.TrackThumbLeft, row(seTrackThumbLeft));
  visit(skin.TrackThumbRight, row(seTrackThumbRight));
  visit(skin.TrackThumbUp, row(seTrackThumbUp));
  visit(skin.TrackThumbDown, row(seTrackThumbDown));
  visit(skin.UpDownHorz, row(seUpDownHorz));
  visit(skin.UpDownVert, row(seUpDownVert));
  visit(skin.Track, row(seTrack));
  visit(skin.TrackVert, row(seTrackVert));
}

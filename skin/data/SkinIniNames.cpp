#include "skin/data/SkinIniNames.h"

#include <algorithm>
#include <cstdint>

#include "skin/data/AsciiText.h"

const std::array<TElementSection, seElementCount> kElementSections{{
    {"Progress", &kBitmapKeys, nullptr, false, frByStyle, 0},
    {"Progress.Chunk", &kCommonKeys, nullptr, false, frAsRead, 0},
    {"GroupBoxEdge", &kCommonKeys, nullptr, false, frFixed, 2},
    {"GroupBox", &kNoFrameKeys, nullptr, true, frFixed, 1},
    {"Tabs", &kNoFrameKeys, "Border", false, frFixed, 5},
    {"StatusBarEdges", &kCommonKeys, nullptr, false, frFixed, 3},
    {"Tab.Pane", &kCommonKeys, nullptr, false, frFixed, 1},
    {"ToolBars", &kCommonKeys, nullptr, false, frFixed, 5},
    {"ComboButton", &kNoFrameKeys, "****", false, frFixed, 4},  // no skin gives this key
    {"SunkEdge", &kCommonKeys, nullptr, false, frFixed, 4},
    {"ExtraImages", &kCommonKeys, nullptr, false, frFixed, 5},
    {"Headerbar", &kCommonKeys, nullptr, false, frReadOrFixed, 5},
    {"MenuItem", &kCommonKeys, nullptr, false, frFixed, 5},
    {"MenuBackground", &kCommonKeys, nullptr, false, frFixed, 1},
    {"Scrollbar", &kCommonKeys, nullptr, false, frFixed, 23},
    {"HorzScroll", &kCommonKeys, nullptr, false, frFixed, 4},
    {"VertScroll", &kCommonKeys, nullptr, false, frFixed, 4},
    {"HorzScrollThumb", &kCommonKeys, nullptr, false, frFrameCountKey, 3},
    {"VertScrollThumb", &kCommonKeys, nullptr, false, frFrameCountKey, 3},
    {"Trackbar.ThumbHorz", &kCommonKeys, nullptr, false, frFixed, 5},
    {"Trackbar.ThumbVert", &kCommonKeys, nullptr, false, frFixed, 5},
    {"Trackbar.ThumbLeft", &kCommonKeys, nullptr, false, frFixed, 5},
    {"Trackbar.ThumbRight", &kCommonKeys, nullptr, false, frFixed, 5},
    {"Trackbar.ThumbUp", &kCommonKeys, nullptr, false, frFixed, 5},
    {"Trackbar.ThumbDown", &kCommonKeys, nullptr, false, frFixed, 5},
    {"UpDown.Horz", &kNoFrameKeys, "GlyphImage", false, frFixed, 8},
    {"UpDown.Vert", &kNoFrameKeys, "GlyphImage", false, frFixed, 8},
    {"Track", &kCommonKeys, nullptr, false, frAsRead, 0},
    {"TRACKVERT", &kCommonKeys, nullptr, false, frAsRead, 0},
}};

std::string SkinImageEntryName(const std::string& value) {
  const size_t cut = value.find_last_of("\\/:");
  std::string name = cut == std::string::npos ? value : value.substr(cut + 1);
  static const std::string kExtension = ".bmp";
  // The extension test is case-sensitive: "x.BMP" names no image.
  if (name.size() < kExtension.size() ||
      name.compare(name.size() - kExtension.size(), kExtension.size(), kExtension) != 0)
    return "";
  return name;
}

int ButtonStripFrames(int width, int height) {
  const int cell = height < 16 ? 13 : 16;
  return std::max(width / cell, 4);
}

bool IsCaptionButtonSection(const std::string& section) {
  const std::string lower = LowerAscii(section);
  return lower.rfind("button", 0) == 0 && lower != "button" && lower != "buttons" && lower != "button.radio" &&
         lower != "button.checkbox";
}

int CaptionButtonFrames(int action, int width, int height) {
  if (width <= 0 || height <= 0 || action < 0) return 6;
  // width / height <= 3.8 in integers: x87 excess precision would make 76 x 20 miss.
  return int64_t(width) * 5 <= int64_t(height) * 19 ? 3 : 6;
}

bool IsSkippedCaptionButton(int action, int visibility) { return action == caHidden && visibility != bvAlways; }

bool CaptionButtonDropsImage(int action) { return action == caSystemMenu || action == caIcon; }

bool IsExtraColourSection(const std::string& section) {
  const std::string lower = LowerAscii(section);
  return lower.rfind(LowerAscii(kExtraColourPrefix), 0) == 0 && lower != "colours";
}

int ElementFramesAfterLoad(const TElementSection& row, int read, int style, int frameCountKey) {
  switch (row.Rule) {
    case frFixed: return row.Frames;
    case frAsRead: return read;
    case frReadOrFixed: return read != 0 ? read : row.Frames;
    case frFrameCountKey: return frameCountKey;
    case frByStyle: return style != 0 ? 1 : 2;
  }
  return read;
}

namespace {
using TKeys = std::vector<std::string>;

void Add(TKeys& keys, const std::string& key) { keys.push_back(key); }

template <size_t N>
void AddAll(TKeys& keys, const std::array<const char*, N>& names, const std::string& suffix = "") {
  for (const char* name : names) keys.push_back(name + suffix);
}

// The keys an element loader reads with keys, besides its extras.
void AddElementKeys(TKeys& keys, const TElementKeys& read) {
  Add(keys, read.ImageKey);
  if (read.ReadStyle) Add(keys, kStyleKey);
  AddAll(keys, kMarginKeys);
  if (read.ReadFrame) Add(keys, kFrameKey);
  Add(keys, kTransKey);
  Add(keys, kTileKey);
  if (read.ReadColours) {
    AddAll(keys, kTextColourKeys);
    AddAll(keys, kSecondColourKeys);
  }
}

TKeys PersonalityKeys() {
  TKeys keys;
  for (const TFrameSideName& side : kFrameSides) {
    const std::string p = side.Name;
    for (const char* suffix : {"", kSideFirstEndSuffix, kSideLastEndSuffix, kSideFrameSuffix, kSideStretchSuffix,
                               kSideTransSuffix})
      Add(keys, p + suffix);
  }
  for (const char* key : {kTitleImageKey, kTitleShiftKey, kTitleShiftVertKey, kTitleRightClipKey, kTitleAlignmentKey,
                          kTitleBackgroundKey, kTitleBackLeftKey, kTitleBackRightKey})
    Add(keys, key);
  for (const char* prefix : {kTitleActiveTextPrefix, kTitleInactiveTextPrefix})
    for (const char* channel : kTitleTextChannels) Add(keys, std::string(prefix) + channel);
  for (const char* key : {kMenuBarImageKey, kMenuBarTileKey, kMenuBarLeftKey, kMenuBarRightKey}) Add(keys, key);
  return keys;
}

TKeys ButtonsKeys() {
  TKeys keys;
  AddElementKeys(keys, kPushButtonKeys);
  for (const char* key : {kCheckImageKey, kRadioImageKey, kCheckFramesKey, kRadioFramesKey}) Add(keys, key);
  return keys;
}

TKeys ColourKeys() {
  TKeys keys;
  for (const TSkinColourKey& entry : kSkinColourKeys) Add(keys, entry.Key);
  return keys;
}

TKeys CustomColourKeys() {
  TKeys keys;
  for (size_t i = 0; i < kCustomColourCount; ++i) Add(keys, kCustomColourKeyPrefix + std::to_string(i));
  return keys;
}

TKeys CaptionButtonKeys() {
  return {kCaptionActionKey,      kCaptionAlignKey,     kCaptionXKey,      kCaptionYKey,     kCaptionVisibilityKey,
          kCaptionVisibility1Key, kCaptionCombineOpKey, kCaptionFrameKey, kCaptionImageKey};
}

TKeys ElementSectionKeys(const TElementSection& row) {
  TKeys keys;
  AddElementKeys(keys, *row.Keys);
  if (row.SecondImageKey) Add(keys, row.SecondImageKey);
  if (row.BoxLabel) AddAll(keys, kBoxLabelKeys);
  if (row.Rule == frFrameCountKey) Add(keys, kFrameCountKey);
  return keys;
}
}  // namespace

std::vector<std::string> SkinImageKeys(const std::string& section) {
  const auto is = [&section](const char* name) { return SameTextAscii(section, name); };
  TKeys keys;
  if (is(kPersonalitySection)) {
    for (const TFrameSideName& side : kFrameSides) Add(keys, side.Name);
    Add(keys, kTitleImageKey);
    Add(keys, kMenuBarImageKey);
  } else if (is(kButtonsSection)) {
    for (const char* key : {kPushButtonKeys.ImageKey, kCheckImageKey, kRadioImageKey}) Add(keys, key);
  } else if (is(kMdiControlsSection)) {
    Add(keys, kMdiControlsImageKey);
  } else if (IsCaptionButtonSection(section)) {
    Add(keys, kCaptionImageKey);
  }
  for (const TElementSection& row : kElementSections) {
    if (!is(row.Section)) continue;
    Add(keys, row.Keys->ImageKey);
    if (row.SecondImageKey) Add(keys, row.SecondImageKey);
  }
  return keys;
}

std::vector<std::string> KnownSkinKeys(const std::string& section) {
  const auto is = [&section](const char* name) { return SameTextAscii(section, name); };
  if (is(kTitlebarSkinSection)) return {kSkinNameKey};
  if (is(kFontsSection)) return {kFontHeightKey};
  if (is(kPersonalitySection)) return PersonalityKeys();
  if (is(kButtonsSection)) return ButtonsKeys();
  if (is(kColoursSection)) return ColourKeys();
  if (is(kCustomColoursSection)) return CustomColourKeys();
  if (is(kMdiControlsSection)) return {kMdiControlsImageKey};
  for (const TElementSection& row : kElementSections)
    if (is(row.Section)) return ElementSectionKeys(row);
  // The prefix tests come last: "ColourS" and "Buttons" are taken above.
  if (IsCaptionButtonSection(section)) return CaptionButtonKeys();
  if (IsExtraColourSection(section)) return {kExtraColourKey};
  return {};
}

#include "tools/SkinLintImages.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "host/BmpFile.h"
#include "skin/data/AsciiText.h"
#include "skin/data/SkinIniNames.h"

namespace {

// How a use's frame count is found.
enum TFrameSource {
  fsGiven,        // Frames as the loader settles it
  fsGivenOrOne,   // Frames, where 0 (not given) paints the image whole
  fsStrip,        // a check-box or radio-button strip: Frames, or derived from the image when 0
  fsCaption,      // a caption button: Frames, or derived from the image and its action when 0
};

// One image key the loader reads, with how it cuts the image.
struct TImageUse {
  std::string Section, Key;
  int Frames = 1;
  TFrameSource Source = fsGiven;
  int Action = caClose;
  bool Stacked = false;  // frames one above the other, else side by side
  // The margin keys across a frame (left, right) and down it (top, bottom).
  std::vector<std::string> AcrossKeys, DownKeys;
  int MarginLimit = -1;  // each margin is first limited to this; -1: no limit
};

// A close look at one image file, made once.
struct TImageLook {
  bool Usable = false;  // a BMP the loader decodes
  TBmpImage Image;
};

class TImageChecker {
 public:
  TImageChecker(const TLintIni& ini, const TLintImages& images, std::vector<TLintFinding>& findings)
      : FIni(ini), FImages(images), FFindings(findings) {}

  void Check(const TImageUse& use);
  const std::set<std::string>& Named() const { return FNamed; }

 private:
  void Error(int line, const std::string& message) {
    FFindings.push_back({FIni.File(), line, TLintFinding::Error, message});
  }
  const TImageLook& Look(const std::string& name, const TLintKeyLine& line);
  void CheckPixels(const std::string& name, const TBmpImage& image, int line);
  int FramesOf(const TImageUse& use, const TBmpImage& image) const;
  int MarginSum(const TImageUse& use, const std::vector<std::string>& keys, int& line) const;
  void CheckFrames(const TImageUse& use, const TLintKeyLine& line, const TBmpImage& image);

  const TLintIni& FIni;
  const TLintImages& FImages;
  std::vector<TLintFinding>& FFindings;
  std::map<std::string, TImageLook> FLooks;
  std::set<std::string> FNamed;
};

std::string Where(const TImageUse& use, const TLintKeyLine& line) {
  return "[" + use.Section + "] " + line.Key + "=" + line.Value;
}

bool NearMagenta(uint8_t r, uint8_t g, uint8_t b) {
  constexpr int kNear = 16;
  return 255 - r <= kNear && g <= kNear && 255 - b <= kNear && !(r == 255 && g == 0 && b == 255);
}

void TImageChecker::CheckPixels(const std::string& name, const TBmpImage& image, int line) {
  if (image.BitCount != 24) {
    Error(line, name + " has " + std::to_string(image.BitCount) +
                    " bits per pixel: skin images must be 24-bit (the key colour $FF00FF must survive exactly)");
    return;
  }
  const size_t stride = BmpStride(image.Width, 24);
  size_t count = 0;
  int firstX = 0, firstY = 0;
  for (int y = 0; y < image.Height; ++y) {
    const uint8_t* row = image.Pixels.data() + stride * size_t(y);
    for (int x = 0; x < image.Width; ++x) {
      const uint8_t* p = row + 3 * size_t(x);
      if (!NearMagenta(p[2], p[1], p[0])) continue;
      if (count++ == 0) firstX = x, firstY = y;
    }
  }
  if (count == 0) return;
  Error(line, name + " has " + std::to_string(count) + (count == 1 ? " pixel" : " pixels") +
                  " of almost-magenta (the first at " +
                  std::to_string(firstX) + "," + std::to_string(firstY) +
                  "): only exactly $FF00FF is transparent, these are drawn");
}

const TImageLook& TImageChecker::Look(const std::string& name, const TLintKeyLine& line) {
  const auto known = FLooks.find(name);
  if (known != FLooks.end()) return known->second;
  TImageLook& look = FLooks[name];
  const std::vector<uint8_t>& bytes = FImages.at(name).Bytes;
  if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
    Error(line.Line, name + " is not a BMP file (no \"BM\" signature): the loader refuses the whole skin");
  } else if (!ReadBmp(bytes.data(), bytes.size(), look.Image)) {
    Error(line.Line, name + " is a damaged or unsupported BMP file: the loader refuses the whole skin");
  } else {
    look.Usable = true;
    CheckPixels(name, look.Image, line.Line);
  }
  return look;
}

int TImageChecker::FramesOf(const TImageUse& use, const TBmpImage& image) const {
  if (use.Frames != 0) return use.Frames;
  switch (use.Source) {
    case fsGiven: return 0;
    case fsGivenOrOne: return 1;
    case fsStrip: return ButtonStripFrames(image.Width, image.Height);
    case fsCaption: return CaptionButtonFrames(use.Action, image.Width, image.Height);
  }
  return 0;
}

int TImageChecker::MarginSum(const TImageUse& use, const std::vector<std::string>& keys, int& line) const {
  int sum = 0;
  line = 0;
  for (const std::string& key : keys) {
    int value = FIni.Int(use.Section, key, 0);
    if (use.MarginLimit >= 0) value = std::min(value, use.MarginLimit);
    sum += value;
    const TLintKeyLine* given = FIni.Get(use.Section, key);
    if (given && line == 0) line = given->Line;
  }
  return sum;
}

void TImageChecker::CheckFrames(const TImageUse& use, const TLintKeyLine& line, const TBmpImage& image) {
  const int frames = FramesOf(use, image);
  if (frames < 1) {
    Error(line.Line, Where(use, line) + ": a frame count of " + std::to_string(frames) + " (it must be at least 1)");
    return;
  }
  const int length = use.Stacked ? image.Height : image.Width;
  if (length % frames != 0) {
    Error(line.Line, Where(use, line) + ": " + std::to_string(length) + " pixels " +
                         (use.Stacked ? "high" : "wide") + " do not divide into " + std::to_string(frames) +
                         (use.Stacked ? " stacked" : "") + " frames");
    return;
  }
  const int frameWidth = use.Stacked ? image.Width : image.Width / frames;
  const int frameHeight = use.Stacked ? image.Height / frames : image.Height;
  for (const auto& [keys, room, what] : {std::make_tuple(&use.AcrossKeys, frameWidth, "wide"),
                                         std::make_tuple(&use.DownKeys, frameHeight, "high")}) {
    if (keys->empty()) continue;
    int marginLine = 0;
    const int sum = MarginSum(use, *keys, marginLine);
    if (sum <= room) continue;
    Error(marginLine ? marginLine : line.Line,
          "[" + use.Section + "] " + (*keys)[0] + " + " + (*keys)[1] + " = " + std::to_string(sum) +
              " is more than a frame of " + line.Value + " (" + std::to_string(room) + " pixels " + what + ")");
  }
}

void TImageChecker::Check(const TImageUse& use) {
  const TLintKeyLine* line = FIni.Get(use.Section, use.Key);
  if (!line || line->Value.empty()) return;  // the element has no image, as intended
  const std::string name = LowerAscii(SkinImageEntryName(line->Value));
  if (name.empty()) {
    Error(line->Line, Where(use, *line) + " names no \".bmp\" file (the extension is matched in lower case): "
                                         "the element gets no image");
    return;
  }
  FNamed.insert(name);
  if (FImages.count(name) == 0) {
    Error(line->Line, Where(use, *line) + ": the skin has no image " + name);
    return;
  }
  const TImageLook& look = Look(name, *line);
  if (look.Usable) CheckFrames(use, *line, look.Image);
}

// ---- which images the loader reads, and how it cuts them

TImageUse ElementUse(const std::string& section, const std::string& key, int frames) {
  TImageUse use;
  use.Section = section;
  use.Key = key;
  use.Frames = frames;
  use.AcrossKeys = {kMarginKeys[0], kMarginKeys[2]};
  use.DownKeys = {kMarginKeys[1], kMarginKeys[3]};
  return use;
}

void AddPersonalityUses(const TLintIni& ini, std::vector<TImageUse>& uses) {
  for (const TFrameSideName& side : kFrameSides) {
    const std::string p = side.Name;
    TImageUse use;
    use.Section = kPersonalitySection;
    use.Key = p;
    use.Frames = ini.Int(kPersonalitySection, p + kSideFrameSuffix, 1);
    // Left and right sides hold their frames side by side, top and bottom ones stacked.
    use.Stacked = !side.Vertical;
    (side.Vertical ? use.DownKeys : use.AcrossKeys) = {p + kSideFirstEndSuffix, p + kSideLastEndSuffix};
    uses.push_back(use);
  }
  for (const auto& [key, frames] : {std::make_pair(kTitleImageKey, kTitleFrames),
                                    std::make_pair(kMenuBarImageKey, kMenuBarFrames)}) {
    TImageUse use;
    use.Section = kPersonalitySection;
    use.Key = key;
    use.Frames = frames;
    use.Stacked = true;  // active above inactive
    uses.push_back(use);
  }
}

void AddButtonUses(const TLintIni& ini, std::vector<TImageUse>& uses) {
  uses.push_back(ElementUse(kButtonsSection, kPushButtonKeys.ImageKey, kPushButtonFrames));
  for (const auto& [key, framesKey] : {std::make_pair(kCheckImageKey, kCheckFramesKey),
                                       std::make_pair(kRadioImageKey, kRadioFramesKey)}) {
    TImageUse use;
    use.Section = kButtonsSection;
    use.Key = key;
    use.Frames = ini.Int(kButtonsSection, framesKey, 0);
    use.Source = fsStrip;
    uses.push_back(use);
  }
  TImageUse mdi;
  mdi.Section = kMdiControlsSection;
  mdi.Key = kMdiControlsImageKey;
  mdi.Frames = kMdiControlsCells;
  uses.push_back(mdi);
}

void AddCaptionButtonUses(const TLintIni& ini, std::vector<TImageUse>& uses, std::vector<TLintFinding>& findings) {
  for (const TLintSection& section : ini.Sections()) {
    if (!IsCaptionButtonSection(section.Name) || ini.Find(section.Name) != &section) continue;
    const int action = ini.Int(section.Name, kCaptionActionKey, caClose);
    const int frames = ini.Int(section.Name, kCaptionFrameKey, 0);
    const TLintKeyLine* image = ini.Get(section.Name, kCaptionImageKey);
    const bool skipped = IsSkippedCaptionButton(action, ini.Int(section.Name, kCaptionVisibilityKey, bvUndefined));
    if (image && !image->Value.empty() && (skipped || (frames == 0 && CaptionButtonDropsImage(action)))) {
      findings.push_back({ini.File(), image->Line, TLintFinding::Warning,
                          "[" + section.Name + "] " + image->Key + " is ignored: " +
                              (skipped ? "the loader skips a button with Action -1 unless its Visibility is 0"
                                       : "a button with Action 3 or 11 and no frame count shows the window icon")});
      continue;
    }
    TImageUse use;
    use.Section = section.Name;
    use.Key = kCaptionImageKey;
    use.Frames = frames;
    use.Source = fsCaption;
    use.Action = action;
    uses.push_back(use);
  }
}

void AddElementUses(const TLintIni& ini, std::vector<TImageUse>& uses) {
  for (const TElementSection& row : kElementSections) {
    const int read = row.Keys->ReadFrame ? ini.Int(row.Section, kFrameKey, 0) : 0;
    const int style = row.Keys->ReadStyle ? ini.Int(row.Section, kStyleKey, 0) : 0;
    const int frameCountKey = ini.Int(row.Section, kFrameCountKey, row.Frames);
    const int frames = ElementFramesAfterLoad(row, read, style, frameCountKey);
    TImageUse use = ElementUse(row.Section, row.Keys->ImageKey, frames);
    if (row.Rule == frAsRead) use.Source = fsGivenOrOne;
    if (&row == &kElementSections[seTabPane]) use.MarginLimit = kTabPaneMaxMargin;
    uses.push_back(use);
    if (!row.SecondImageKey) continue;
    // The tab's page border is one frame; the up-down glyphs follow the buttons' frames.
    TImageUse second;
    second.Section = row.Section;
    second.Key = row.SecondImageKey;
    second.Frames = &row == &kElementSections[seTabs] ? 1 : frames;
    uses.push_back(second);
  }
}

}  // namespace

std::set<std::string> CheckSkinImages(const TLintIni& ini, const TLintImages& images,
                                      std::vector<TLintFinding>& findings) {
  std::vector<TImageUse> uses;
  AddPersonalityUses(ini, uses);
  AddButtonUses(ini, uses);
  AddCaptionButtonUses(ini, uses, findings);
  AddElementUses(ini, uses);
  TImageChecker checker(ini, images, findings);
  for (const TImageUse& use : uses) checker.Check(use);
  return checker.Named();
}

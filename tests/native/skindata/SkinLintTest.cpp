#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <sstream>

#include "skin/data/ByteOrder.h"
#include "tests/native/skindata/SkinPackToolFixture.h"
#include "tests/native/skindata/TestBytes.h"
#include "tools/FileBytes.h"
#include "tools/SkinLint.h"
#include "tools/SkinPackTool.h"
#include "tools/SkinPackWriter.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kGrey = 0x808080;

void AppendLE16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

// A BMP file header and a 40-byte info header for a bottom-up image.
std::vector<uint8_t> BmpHeaders(int width, int height, int bitCount, size_t paletteBytes, size_t pixelBytes) {
  const uint32_t offset = uint32_t(14 + 40 + paletteBytes);
  std::vector<uint8_t> out{'B', 'M'};
  AppendLE32(out, uint32_t(offset + pixelBytes));
  AppendLE32(out, 0);
  AppendLE32(out, offset);
  AppendLE32(out, 40);
  AppendLE32(out, uint32_t(width));
  AppendLE32(out, uint32_t(height));
  AppendLE16(out, 1);
  AppendLE16(out, uint16_t(bitCount));
  for (int i = 0; i < 6; ++i) AppendLE32(out, 0);  // BI_RGB, sizes, resolution, colours
  return out;
}

// A 24-bit BMP of flat grey; pixel (x, y) from the top is magenta, or key.
std::vector<uint8_t> Bmp24(int width, int height, uint32_t key = kMagenta) {
  const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> out = BmpHeaders(width, height, 24, 0, stride * size_t(height));
  for (int row = height - 1; row >= 0; --row) {  // bottom-up: the last row first
    for (int x = 0; x < width; ++x) {
      const uint32_t colour = x == 0 && row == 0 ? key : kGrey;
      out.push_back(uint8_t(colour));
      out.push_back(uint8_t(colour >> 8));
      out.push_back(uint8_t(colour >> 16));
    }
    out.resize(out.size() + stride - size_t(width) * 3);
  }
  return out;
}

// An 8-bit BMP whose palette holds magenta, so only its depth is wrong.
std::vector<uint8_t> Bmp8(int width, int height) {
  const size_t stride = (size_t(width) + 3) / 4 * 4;
  std::vector<uint8_t> out = BmpHeaders(width, height, 8, 256 * 4, stride * size_t(height));
  for (int i = 0; i < 256; ++i) AppendLE32(out, i == 0 ? kMagenta : kGrey);
  out.resize(out.size() + stride * size_t(height), 1);
  return out;
}

// A small skin that the loader reads whole: every line counts.
struct TSkinFiles {
  std::vector<std::string> Ini{
      "; a small skin",                                          //
      "[TitlebarSkin]", "SkinName=Lint test",                    //
      "[Personality]", "Left=left.bmp", "LeftFrame=2", "LeftTopHeight=6", "LeftBotHeight=6",
      "[Buttons]", "Bitmap=buttons.bmp", "LeftWidth=3", "RightWidth=3", "TopHeight=2", "BottomHeight=2", "Trans=1",
      "[Tabs]", "Image=tabs.bmp", "Frame=5", "LeftWidth=2", "RightWidth=2",
      "[Button0]", "ButtonImage=close.bmp", "Action=0",
      "[Colours]", "ButtonFace=1 2 3"};
  // Left side: 2 frames of 4 x 20, side by side; push buttons: 5 of 10 x 8;
  // tabs: 5 of 12 x 9; caption button: 3 of 14 x 14 (derived from its shape).
  std::map<std::string, std::vector<uint8_t>> Files{{"left.bmp", Bmp24(8, 20)},
                                                    {"buttons.bmp", Bmp24(50, 8)},
                                                    {"tabs.bmp", Bmp24(60, 9)},
                                                    {"close.bmp", Bmp24(42, 14)}};

  // The 1-based number of the first INI line that is text.
  int LineOf(const std::string& text) const {
    const auto at = std::find(Ini.begin(), Ini.end(), text);
    return at == Ini.end() ? 0 : int(at - Ini.begin()) + 1;
  }
  void Replace(const std::string& line, const std::string& by) {
    const int at = LineOf(line);
    ASSERT_GT(at, 0) << line;
    Ini[size_t(at - 1)] = by;
  }
  void InsertAfter(const std::string& line, const std::string& added) {
    const int at = LineOf(line);
    ASSERT_GT(at, 0) << line;
    Ini.insert(Ini.begin() + at, added);
  }

  void Write(const fs::path& folder) const {
    fs::create_directories(folder);
    std::string text;
    for (const std::string& line : Ini) text += line + "\r\n";
    WriteFileBytes(folder / "skin.ini", Bytes(text));
    for (const auto& [name, bytes] : Files) WriteFileBytes(folder / name, bytes);
  }
};

class SkinLintTest : public TSkinPackToolFixture {
 protected:
  // The finding lines of the last run: everything but the summary.
  std::vector<std::string> Findings() const {
    std::vector<std::string> lines;
    std::istringstream in(FOut.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    if (!lines.empty()) lines.pop_back();
    return lines;
  }
};

TEST_F(SkinLintTest, TheShippedSkinsAreCleanAsFoldersAndAsPackages) {
  for (const char* name : {"default", "dark"}) {
    const fs::path folder = fs::path(SKINS_DIR) / name;
    EXPECT_EQ(Run({"lint", folder.string()}), TSkinPackTool::kOk) << FOut.str();
    EXPECT_EQ(Findings(), std::vector<std::string>{}) << name;

    const fs::path package = FRoot / (std::string(name) + ".skn");
    ASSERT_EQ(Run({"pack", folder.string(), package.string()}), TSkinPackTool::kOk) << FErr.str();
    EXPECT_EQ(Run({"lint", "--strict", package.string()}), TSkinPackTool::kOk) << FOut.str();
    EXPECT_EQ(Findings(), std::vector<std::string>{}) << name;
  }
}

TEST_F(SkinLintTest, TheTestSkinIsClean) {
  TSkinFiles().Write(FRoot / "skin");
  EXPECT_EQ(Run({"lint", "--strict", (FRoot / "skin").string()}), TSkinPackTool::kOk) << FOut.str();
  EXPECT_EQ(Findings(), std::vector<std::string>{});
}

// One fault in the INI or in an image it names, and the one finding it gives.
struct TFaultCase {
  const char* Name;
  std::function<void(TSkinFiles&)> Break;
  const char* Line;  // the INI line (after Break) the finding is at
  const char* Severity;
  const char* Says;
  int Exit;
  size_t Count = 1;  // findings in all
};

class SkinLintFaults : public SkinLintTest, public testing::WithParamInterface<TFaultCase> {};

const TFaultCase kFaults[] = {
    {"UnknownSection", [](TSkinFiles& s) { s.InsertAfter("ButtonFace=1 2 3", "[Fontz]"); }, "[Fontz]", "warning",
     "unknown section [Fontz]", TSkinPackTool::kOk},
    {"UnknownKey", [](TSkinFiles& s) { s.InsertAfter("Left=left.bmp", "TileMenuX=1"); }, "TileMenuX=1", "warning",
     "unknown key \"TileMenuX\" in [Personality]", TSkinPackTool::kOk},
    {"SecondCopyOfAKey", [](TSkinFiles& s) { s.InsertAfter("Trans=1", "LeftWidth=1"); }, "LeftWidth=1", "warning",
     "only line 11 is read", TSkinPackTool::kOk},
    {"NotANumber", [](TSkinFiles& s) { s.Replace("Trans=1", "Trans=yes"); }, "Trans=yes", "warning",
     "not a number", TSkinPackTool::kOk},
    {"FrameTheLoaderOverrides", [](TSkinFiles& s) { s.Replace("Frame=5", "Frame=4"); }, "Frame=4", "warning",
     "the loader gives [Tabs] 5 frames: Frame=4 is ignored", TSkinPackTool::kOk},
    {"FrameCountDecidesOverFrame",
     [](TSkinFiles& s) {
       s.InsertAfter("ButtonFace=1 2 3", "[HorzScrollThumb]");
       for (const char* line : {"Frame=3", "FrameCount=5", "Image=tabs.bmp"}) s.InsertAfter("[HorzScrollThumb]", line);
     },
     "Frame=3", "warning", "the loader gives [HorzScrollThumb] 5 frames: Frame=3 is ignored", TSkinPackTool::kOk},
    {"MissingImage", [](TSkinFiles& s) { s.Files.erase("tabs.bmp"); }, "Image=tabs.bmp", "error",
     "the skin has no image tabs.bmp", TSkinPackTool::kFailed},
    {"UpperCaseExtension",
     [](TSkinFiles& s) { s.Replace("Image=tabs.bmp", "Image=tabs.BMP"); }, "Image=tabs.BMP",
     "error", "names no \".bmp\" file", TSkinPackTool::kFailed, 2},  // and tabs.bmp is never used
    {"FramesDoNotDivide", [](TSkinFiles& s) { s.Files["tabs.bmp"] = Bmp24(62, 9); }, "Image=tabs.bmp", "error",
     "62 pixels wide do not divide into 5 frames", TSkinPackTool::kFailed},
    {"SideFramesDoNotDivide", [](TSkinFiles& s) { s.Replace("LeftFrame=2", "LeftFrame=3"); }, "Left=left.bmp",
     "error", "8 pixels wide do not divide into 3 frames", TSkinPackTool::kFailed},
    {"NotABmp", [](TSkinFiles& s) { s.Files["buttons.bmp"] = Bytes("\x89PNG\r\n\x1a\n"); }, "Bitmap=buttons.bmp",
     "error", "buttons.bmp is not a BMP file", TSkinPackTool::kFailed},
    {"DamagedBmp", [](TSkinFiles& s) { s.Files["buttons.bmp"].resize(60); }, "Bitmap=buttons.bmp", "error",
     "damaged or unsupported BMP", TSkinPackTool::kFailed},
    {"EightBitBmp", [](TSkinFiles& s) { s.Files["buttons.bmp"] = Bmp8(50, 8); }, "Bitmap=buttons.bmp", "error",
     "buttons.bmp has 8 bits per pixel", TSkinPackTool::kFailed},
    {"AlmostMagentaKey", [](TSkinFiles& s) { s.Files["close.bmp"] = Bmp24(42, 14, 0xFE00FE); },
     "ButtonImage=close.bmp", "error", "1 pixel of almost-magenta (the first at 0,0)", TSkinPackTool::kFailed},
    {"MarginWiderThanAFrame", [](TSkinFiles& s) { s.Replace("LeftWidth=3", "LeftWidth=8"); }, "LeftWidth=8",
     "error", "LeftWidth + RightWidth = 11 is more than a frame of buttons.bmp (10 pixels wide)",
     TSkinPackTool::kFailed},
    {"SideEndsLongerThanTheSide", [](TSkinFiles& s) { s.Replace("LeftBotHeight=6", "LeftBotHeight=15"); },
     "LeftTopHeight=6", "error", "LeftTopHeight + LeftBotHeight = 21 is more than a frame", TSkinPackTool::kFailed},
    {"CaptionButtonFramesDerivedFromItsShape", [](TSkinFiles& s) { s.Files["close.bmp"] = Bmp24(44, 14); },
     "ButtonImage=close.bmp", "error", "44 pixels wide do not divide into 3 frames", TSkinPackTool::kFailed},
};

TEST_P(SkinLintFaults, AreFoundWithFileLineAndExitCode) {
  TSkinFiles skin;
  GetParam().Break(skin);
  const fs::path folder = FRoot / "skin";
  skin.Write(folder);
  const int line = skin.LineOf(GetParam().Line);
  ASSERT_GT(line, 0);

  EXPECT_EQ(Run({"lint", folder.string()}), GetParam().Exit) << FOut.str();
  const std::vector<std::string> findings = Findings();
  EXPECT_EQ(findings.size(), GetParam().Count) << FOut.str();
  const std::string where = (folder / "skin.ini").string() + ":" + std::to_string(line) + ": " +
                            GetParam().Severity + ": ";
  const auto found = std::find_if(findings.begin(), findings.end(), [&where](const std::string& finding) {
    return finding.rfind(where, 0) == 0 && finding.find(GetParam().Says) != std::string::npos;
  });
  EXPECT_NE(found, findings.end()) << FOut.str() << "expected " << where << "..." << GetParam().Says;
  // --strict fails on warnings too.
  EXPECT_EQ(Run({"lint", "--strict", folder.string()}), TSkinPackTool::kFailed);
}

INSTANTIATE_TEST_SUITE_P(Cases, SkinLintFaults, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<TFaultCase>& info) { return info.param.Name; });

TEST_F(SkinLintTest, APackageIsReadWithThePackageReaderAndNamesItsEntries) {
  TSkinFiles skin;
  skin.Files.erase("tabs.bmp");
  skin.Write(FRoot / "skin");
  const fs::path package = FRoot / "skin.skn";
  ASSERT_EQ(Run({"pack", (FRoot / "skin").string(), package.string()}), TSkinPackTool::kOk) << FErr.str();
  EXPECT_EQ(Run({"lint", package.string()}), TSkinPackTool::kFailed);
  const std::vector<std::string> findings = Findings();
  ASSERT_EQ(findings.size(), 1u) << FOut.str();
  EXPECT_EQ(findings[0], package.string() + "/skin.ini:" + std::to_string(skin.LineOf("Image=tabs.bmp")) +
                             ": error: [Tabs] Image=tabs.bmp: the skin has no image tabs.bmp");
}

TEST_F(SkinLintTest, AnEntryNameTooLongToUnpackIsAnError) {
  TSkinFiles skin;
  TSkinPackWriter writer;
  std::string text;
  for (const std::string& line : skin.Ini) text += line + "\r\n";
  writer.AddEntry("skin.ini", Bytes(text));
  for (const auto& [name, bytes] : skin.Files) writer.AddEntry(name, bytes);
  const std::string longName = std::string(kLintMaxEntryName - 3, 'n') + ".bmp";
  writer.AddEntry(longName, Bmp24(4, 4));
  const fs::path package = FRoot / "long.skn";
  WriteFileBytes(package, writer.Build());

  EXPECT_EQ(Run({"lint", package.string()}), TSkinPackTool::kFailed);
  const std::vector<std::string> findings = Findings();
  ASSERT_EQ(findings.size(), 2u) << FOut.str();  // too long, and never used
  EXPECT_EQ(findings[0].rfind(package.string() + ": error: entry name of 256 characters (at most 255)", 0), 0u)
      << findings[0];
  EXPECT_NE(findings[1].find("warning: never used"), std::string::npos) << findings[1];
}

TEST_F(SkinLintTest, MoreEntriesThanAPackageHoldsIsAnError) {
  TSkinFiles skin;
  // With skin.ini and its 4 images: one entry too many.
  for (int i = 0; i < 997; ++i) skin.Files["spare" + std::to_string(i) + ".bmp"] = Bytes("BM");
  skin.Write(FRoot / "skin");
  EXPECT_EQ(Run({"lint", (FRoot / "skin").string()}), TSkinPackTool::kFailed);
  const std::string expected = (FRoot / "skin").string() + ": error: 1002 entries: a package holds at most 1001";
  EXPECT_NE(FOut.str().find(expected + "\n"), std::string::npos) << FOut.str().substr(0, 400);
}

TEST_F(SkinLintTest, UnreadableInputsAreReportedAndFail) {
  EXPECT_EQ(Run({"lint", (FRoot / "nothing").string()}), TSkinPackTool::kFailed);
  EXPECT_NE(FErr.str().find("cannot read " + (FRoot / "nothing").string()), std::string::npos) << FErr.str();

  WriteFileBytes(FRoot / "junk.skn", Bytes("not a package at all"));
  EXPECT_EQ(Run({"lint", (FRoot / "junk.skn").string()}), TSkinPackTool::kFailed);
  EXPECT_EQ(Findings().size(), 1u) << FOut.str();
  EXPECT_NE(FOut.str().find((FRoot / "junk.skn").string() + ": error: the loader refuses this package"),
            std::string::npos)
      << FOut.str();

  const fs::path noIni = FRoot / "noini";
  fs::create_directories(noIni);
  WriteFileBytes(noIni / "a.bmp", Bmp24(4, 4));
  EXPECT_EQ(Run({"lint", noIni.string()}), TSkinPackTool::kFailed);
  EXPECT_NE(FOut.str().find(noIni.string() + ": error: a skin folder holds exactly one .ini file, found 0"),
            std::string::npos)
      << FOut.str();
}

}  // namespace

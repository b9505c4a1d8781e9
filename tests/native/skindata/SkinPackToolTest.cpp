#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tests/native/skindata/RawPackage.h"
#include "tests/native/skindata/SkinPackToolFixture.h"
#include "tests/native/skindata/TestBytes.h"
#include "tools/FileBytes.h"
#include "tools/LzhEncoder.h"
#include "tools/SkinPackTool.h"

namespace fs = std::filesystem;

namespace {

class SkinPackToolTest : public TSkinPackToolFixture {
 protected:
  fs::path MakeSkinFolder(const std::string& name) {
    const fs::path folder = FRoot / name;
    fs::create_directories(folder);
    WriteFileBytes(folder / "Skin.ini", Bytes("[Buttons]\r\nBitmap=buttons.bmp\r\n"));
    std::vector<uint8_t> bitmap = Bytes("BM");
    const std::vector<uint8_t> pixels = BitmapLikeBytes(3000, 4);
    bitmap.insert(bitmap.end(), pixels.begin(), pixels.end());
    WriteFileBytes(folder / "buttons.bmp", bitmap);
    WriteFileBytes(folder / "FrameTop.BMP", Bytes("BMtop"));
    WriteFileBytes(folder / "readme.txt", Bytes("not packed"));
    return folder;
  }

  std::string Path(const fs::path& p) const { return p.string(); }
};

TEST_F(SkinPackToolTest, PackListAndUnpackGiveTheFilesBack) {
  const fs::path folder = MakeSkinFolder("skin");
  const fs::path package = FRoot / "skin.skn";
  ASSERT_EQ(Run({"pack", Path(folder), Path(package), "--version", "40000"}), 0) << FErr.str();
  EXPECT_NE(FErr.str().find("readme.txt"), std::string::npos);

  ASSERT_EQ(Run({"list", Path(package)}), 0) << FErr.str();
  const auto size = [&](const char* name) { return std::to_string(fs::file_size(folder / name)); };
  EXPECT_EQ(FOut.str(), "version 40000, 3 entries\n" + size("Skin.ini") + "\tskin.ini\n" +
                            size("buttons.bmp") + "\tbuttons.bmp\n5\tframetop.bmp\n");

  const fs::path out = FRoot / "out";
  ASSERT_EQ(Run({"unpack", Path(package), Path(out)}), 0) << FErr.str();
  EXPECT_EQ(ReadFileBytes(out / "skin.ini"), ReadFileBytes(folder / "Skin.ini"));
  EXPECT_EQ(ReadFileBytes(out / "buttons.bmp"), ReadFileBytes(folder / "buttons.bmp"));
  EXPECT_EQ(ReadFileBytes(out / "frametop.bmp"), Bytes("BMtop"));
  EXPECT_FALSE(fs::exists(out / "readme.txt"));
}

TEST_F(SkinPackToolTest, CompressAndExpandRoundTrip) {
  const fs::path in = FRoot / "in.bin";
  WriteFileBytes(in, TextLikeBytes(50000, 8));
  ASSERT_EQ(Run({"compress", Path(in), Path(FRoot / "c.lzh")}), 0) << FErr.str();
  EXPECT_EQ(ReadFileBytes(FRoot / "c.lzh"), TLzhEncoder::Compress(TextLikeBytes(50000, 8)));
  ASSERT_EQ(Run({"expand", Path(FRoot / "c.lzh"), Path(FRoot / "e.bin")}), 0) << FErr.str();
  EXPECT_EQ(ReadFileBytes(FRoot / "e.bin"), ReadFileBytes(in));
}

struct TUsageCase {
  std::vector<std::string> Args;
  const char* Says;
};

class SkinPackToolUsage : public testing::TestWithParam<TUsageCase> {};

TEST_P(SkinPackToolUsage, BadCommandLinesExitWithUsage) {
  std::ostringstream out, err;
  TSkinPackTool tool(out, err);
  EXPECT_EQ(tool.Run(GetParam().Args), TSkinPackTool::kUsage);
  EXPECT_NE(err.str().find(GetParam().Says), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("usage:"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SkinPackToolUsage,
    testing::Values(TUsageCase{{}, "no command"}, TUsageCase{{"frobnicate"}, "unknown command"},
                    TUsageCase{{"list"}, "wrong number"}, TUsageCase{{"unpack", "a"}, "wrong number"},
                    TUsageCase{{"compress", "a", "b", "c"}, "wrong number"},
                    TUsageCase{{"pack", "dir"}, "FOLDER and OUT"},
                    TUsageCase{{"pack", "dir", "out", "--version"}, "--version"},
                    TUsageCase{{"pack", "dir", "out", "--version", "12345"}, "--version"},
                    TUsageCase{{"pack", "dir", "out", "--version", "7e4"}, "--version"},
                    TUsageCase{{"lint"}, "lint needs one FOLDER or PACKAGE"},
                    TUsageCase{{"lint", "a", "b"}, "lint needs one FOLDER or PACKAGE"},
                    TUsageCase{{"lint", "--bogus", "a"}, "unknown option --bogus"},
                    TUsageCase{{"help", "frobnicate"}, "no help on unknown command frobnicate"}));

// Help goes to standard output and succeeds.
class SkinPackToolHelp : public SkinPackToolUsage {};

TEST_P(SkinPackToolHelp, EveryCommandHasHelp) {
  std::ostringstream out, err;
  TSkinPackTool tool(out, err);
  EXPECT_EQ(tool.Run(GetParam().Args), TSkinPackTool::kOk);
  EXPECT_NE(out.str().find(GetParam().Says), std::string::npos) << out.str();
  EXPECT_EQ(err.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SkinPackToolHelp,
    testing::Values(TUsageCase{{"--help"}, "skinpack lint [--strict] FOLDER|PACKAGE"},
                    TUsageCase{{"help"}, "skinpack COMMAND --help"},
                    TUsageCase{{"pack", "--help"}, "usage: skinpack pack FOLDER OUT [--version N]"},
                    TUsageCase{{"unpack", "-h"}, "usage: skinpack unpack PACKAGE FOLDER"},
                    TUsageCase{{"list", "--help"}, "usage: skinpack list PACKAGE"},
                    TUsageCase{{"lint", "--help"}, "Exit status: 0 without errors"},
                    TUsageCase{{"lint", "skins/x", "--help"}, "usage: skinpack lint"},
                    TUsageCase{{"compress", "--help"}, "usage: skinpack compress IN OUT"},
                    TUsageCase{{"expand", "--help"}, "usage: skinpack expand IN OUT"},
                    TUsageCase{{"help", "lint"}, "usage: skinpack lint"}));

TEST_F(SkinPackToolTest, PackRefusesFoldersThatAreNotOneSkin) {
  const fs::path noIni = FRoot / "noini";
  fs::create_directories(noIni);
  WriteFileBytes(noIni / "a.bmp", Bytes("BMa"));
  EXPECT_EQ(Run({"pack", Path(noIni), Path(FRoot / "x")}), TSkinPackTool::kFailed);
  EXPECT_NE(FErr.str().find("exactly one .ini"), std::string::npos) << FErr.str();

  const fs::path twoInis = MakeSkinFolder("two");
  WriteFileBytes(twoInis / "other.INI", Bytes("[x]"));
  EXPECT_EQ(Run({"pack", Path(twoInis), Path(FRoot / "x")}), TSkinPackTool::kFailed);
  EXPECT_NE(FErr.str().find("found 2"), std::string::npos) << FErr.str();

  const fs::path notBmp = MakeSkinFolder("notbmp");
  WriteFileBytes(notBmp / "fake.bmp", Bytes("PNG"));
  EXPECT_EQ(Run({"pack", Path(notBmp), Path(FRoot / "x")}), TSkinPackTool::kFailed);
  EXPECT_NE(FErr.str().find("not a BMP"), std::string::npos) << FErr.str();

  EXPECT_EQ(Run({"pack", Path(FRoot / "missing"), Path(FRoot / "x")}), TSkinPackTool::kFailed);
  EXPECT_NE(FErr.str().find("not a folder"), std::string::npos) << FErr.str();
  EXPECT_FALSE(fs::exists(FRoot / "x"));
}

TEST_F(SkinPackToolTest, DamagedOrUnknownPackagesAreReportedNotUnpacked) {
  WriteFileBytes(FRoot / "tiny", Bytes("ab"));
  EXPECT_EQ(Run({"list", Path(FRoot / "tiny")}), TSkinPackTool::kFailed);
  EXPECT_NE(FErr.str().find("LZH"), std::string::npos) << FErr.str();

  TRawPackage old;
  old.Version = 10000;
  old.Add("a.bmp", "BMa");
  WriteFileBytes(FRoot / "old", TLzhEncoder::Compress(old.Bytes()));
  EXPECT_EQ(Run({"unpack", Path(FRoot / "old"), Path(FRoot / "out")}), TSkinPackTool::kFailed);
  EXPECT_NE(FErr.str().find("Older Skin File Please update"), std::string::npos) << FErr.str();

  TRawPackage lying;
  lying.Add("a.bmp", "BMa");
  lying.Sizes[0] = 1000;
  WriteFileBytes(FRoot / "lying", TLzhEncoder::Compress(lying.Bytes()));
  EXPECT_EQ(Run({"list", Path(FRoot / "lying")}), TSkinPackTool::kFailed);
  EXPECT_NE(FErr.str().find("exceed"), std::string::npos) << FErr.str();

  EXPECT_EQ(Run({"list", Path(FRoot / "absent")}), TSkinPackTool::kFailed);
  EXPECT_NE(FErr.str().find("cannot open"), std::string::npos) << FErr.str();
  EXPECT_FALSE(fs::exists(FRoot / "out"));
}

TEST_F(SkinPackToolTest, UnpackWritesNothingWhenANameIsNotAPlainFileName) {
  for (const char* name : {"../evil.bmp", "sub/x.bmp", "c:x.bmp", "..", "a\\b.bmp"}) {
    TRawPackage raw;
    raw.Add("good.bmp", "BMg").Add(name, "BMe");
    WriteFileBytes(FRoot / "p", TLzhEncoder::Compress(raw.Bytes()));
    EXPECT_EQ(Run({"unpack", Path(FRoot / "p"), Path(FRoot / "out" / "in")}), TSkinPackTool::kFailed)
        << name;
    EXPECT_NE(FErr.str().find("not a plain file name"), std::string::npos) << FErr.str();
    EXPECT_FALSE(fs::exists(FRoot / "out")) << name;
  }
}

TEST_F(SkinPackToolTest, UnpackKeepsTheFirstOfTwoEntriesWithOneName) {
  TRawPackage raw;
  raw.Add("a.bmp", "BMfirst").Add("A.bmp", "BMsecond");
  WriteFileBytes(FRoot / "p", TLzhEncoder::Compress(raw.Bytes()));
  ASSERT_EQ(Run({"unpack", Path(FRoot / "p"), Path(FRoot / "out")}), 0) << FErr.str();
  EXPECT_EQ(ReadFileBytes(FRoot / "out" / "a.bmp"), Bytes("BMfirst"));
  EXPECT_NE(FErr.str().find("second entry named a.bmp"), std::string::npos);
}

}  // namespace

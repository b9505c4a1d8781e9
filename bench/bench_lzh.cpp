// Expansion speed of TLZH against the straightforward decoder
// (bench/ClassicLzhDecoder.cpp) on the kinds of stream it meets: the shipped
// skin packages, a synthetic skin package, bitmap-like and English-like
// data, and the hard cases (incompressible data with many tree rebuilds, a
// skewed shifting distribution, literals with codes of 17 bits and more).
// Both decoders run in alternating batches on the same bytes; the ratio is
// the classic decoder's time over ours.
//   bench_lzh [SKINS_FOLDER]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench/ClassicLzhDecoder.h"
#include "skin/data/ByteOrder.h"
#include "skin/data/LZH.h"
#include "skin/data/LzhHuffTree.h"
#include "skin/data/LzhParams.h"
#include "tests/native/skindata/TestBytes.h"
#include "tools/FileBytes.h"
#include "tools/LzhEncoder.h"
#include "tools/LzhSymbolWriter.h"
#include "tools/SkinPackTool.h"
#include "tools/SkinPackWriter.h"

namespace {

struct TRgb {
  uint8_t R, G, B;
};

const TRgb kKey = {255, 0, 255};

// A 24-bit bottom-up BMP with the given pixel function.
std::vector<uint8_t> MakeBmp(int w, int h, const std::function<TRgb(int, int)>& pixel) {
  const int stride = (w * 3 + 3) & ~3;
  const uint32_t imageSize = static_cast<uint32_t>(stride * h);
  std::vector<uint8_t> out;
  const auto put16 = [&](uint32_t v) { out.push_back(v & 0xFF); out.push_back((v >> 8) & 0xFF); };
  const auto put32 = [&](uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
  out.push_back('B');
  out.push_back('M');
  put32(54 + imageSize);
  put32(0);
  put32(54);
  put32(40);
  put32(static_cast<uint32_t>(w));
  put32(static_cast<uint32_t>(h));
  put16(1);
  put16(24);
  put32(0);
  put32(imageSize);
  put32(2835);
  put32(2835);
  put32(0);
  put32(0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const TRgb c = pixel(x, y);
      out.push_back(c.B);
      out.push_back(c.G);
      out.push_back(c.R);
    }
    out.insert(out.end(), static_cast<size_t>(stride - w * 3), 0);
  }
  return out;
}

uint8_t Lerp(int a, int b, int t, int range) {
  return static_cast<uint8_t>(a + (b - a) * t / (range > 1 ? range - 1 : 1));
}

// Dither grain of -1 .. +1 in blocks, as gradients saved from paint programs have.
uint8_t Grain(uint8_t value, int x, int y) {
  const int g = static_cast<int>(((static_cast<unsigned>(x) * 2654435761u) ^
                                  (static_cast<unsigned>(y) * 40503u)) >> 13) % 3 - 1;
  return static_cast<uint8_t>(std::clamp(value + g, 0, 255));
}

// A strip of frames, each a vertical gradient with a darker border, rounded
// (magenta) corners, and a lighter tint per state.
std::vector<uint8_t> StateStrip(int frameW, int h, int frames, TRgb top, TRgb bottom) {
  return MakeBmp(frameW * frames, h, [=](int x, int y) {
    const int fx = x % frameW;
    const int state = x / frameW;
    const bool corner = (fx == 0 || fx == frameW - 1) && (y == 0 || y == h - 1);
    if (corner) return kKey;
    if (fx == 0 || fx == frameW - 1 || y == 0 || y == h - 1) return TRgb{40, 60, 110};
    const int lift = state * 12;
    return TRgb{static_cast<uint8_t>(std::min(255, Lerp(top.R, bottom.R, y, h) + lift)),
                static_cast<uint8_t>(std::min(255, Lerp(top.G, bottom.G, y, h) + lift)),
                Grain(static_cast<uint8_t>(std::min(255, Lerp(top.B, bottom.B, y, h) + lift)), x / 4, y)};
  });
}

// Small glyphs (check marks, arrows) on a flat face, one per frame.
std::vector<uint8_t> GlyphStrip(int size, int frames) {
  return MakeBmp(size * frames, size, [=](int x, int y) {
    const int fx = x % size;
    const int state = x / size;
    if (fx == 0 || y == 0 || fx == size - 1 || y == size - 1) return TRgb{28, 81, 128};
    const bool mark = state % 2 == 1 && (y - size / 2 == fx - size / 3 || y + fx == size + 1);
    if (mark) return TRgb{33, 161, 33};
    return TRgb{static_cast<uint8_t>(244 - state * 6), 244, 240};
  });
}

// A frame edge: a horizontal or vertical gradient band.
std::vector<uint8_t> Edge(int w, int h, bool horizontal) {
  return MakeBmp(w, h, [=](int x, int y) {
    const int t = horizontal ? y : x;
    const int range = horizontal ? h : w;
    if (horizontal && (x < 3 || x >= w - 3) && y < 3) return kKey;
    return TRgb{Lerp(90, 20, t, range), Lerp(140, 60, t, range),
                Grain(Lerp(230, 150, t, range), x / 4, y / 4)};
  });
}

std::string SkinIni() {
  static const char* const kSections[] = {
      "Buttons", "Tabs", "Tab.Pane", "ComboButton", "SunkEdge", "ExtraImages", "Headerbar",
      "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll", "HorzScrollThumb",
      "VertScrollThumb", "Progress", "Progress.Chunk", "GroupBoxEdge", "GroupBox",
      "StatusBarEdges", "ToolBars", "CheckBox", "Radio", "Trackbar", "Spin"};
  std::string ini = "[TitlebarSkin]\r\nSkinName=Benchmark Blue\r\n[Personality]\r\n"
                    "Top=frametop.bmp\r\nLeft=frameleft.bmp\r\nRight=frameright.bmp\r\n"
                    "Bottom=framebottom.bmp\r\nTopFrame=2\r\nmenuBar=menubar.bmp\r\n";
  for (const char* s : kSections) {
    std::string lower(s);
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    ini += "[" + std::string(s) + "]\r\nImage=" + lower + ".bmp\r\nFrameCount=5\r\n"
           "LeftWidth=3\r\nTopHeight=3\r\nRightWidth=3\r\nBottomHeight=3\r\nTrans=1\r\n"
           "Tile=0\r\nNormalColour=0x000000\r\nMouseOverColour=$FF0000\r\n";
  }
  ini += "[Colours]\r\nWindowText=0 0 0\r\nButtonFace=227 238 253\r\nHilight=49 106 197\r\n";
  return ini;
}

std::vector<uint8_t> SyntheticSkinPackage() {
  TSkinPackWriter writer;
  const std::string ini = SkinIni();
  writer.AddEntry("skin.ini", std::vector<uint8_t>(ini.begin(), ini.end()));
  writer.AddEntry("frametop.bmp", Edge(300, 30, true));
  writer.AddEntry("framebottom.bmp", Edge(400, 6, true));
  writer.AddEntry("frameleft.bmp", Edge(6, 300, false));
  writer.AddEntry("frameright.bmp", Edge(6, 300, false));
  writer.AddEntry("menubar.bmp", StateStrip(80, 22, 2, {250, 250, 255}, {210, 220, 240}));
  writer.AddEntry("buttons.bmp", StateStrip(64, 23, 5, {255, 255, 255}, {200, 215, 245}));
  writer.AddEntry("tabs.bmp", StateStrip(50, 22, 5, {245, 248, 255}, {205, 218, 240}));
  writer.AddEntry("tabborder.bmp", StateStrip(60, 4, 5, {120, 140, 200}, {80, 100, 160}));
  writer.AddEntry("tab.pane.bmp", StateStrip(48, 48, 1, {250, 252, 255}, {235, 240, 250}));
  writer.AddEntry("combobutton.bmp", StateStrip(17, 21, 4, {230, 240, 255}, {170, 190, 230}));
  writer.AddEntry("sunkedge.bmp", StateStrip(30, 30, 4, {255, 255, 255}, {240, 240, 240}));
  writer.AddEntry("extraimages.bmp", GlyphStrip(16, 10));
  writer.AddEntry("headerbar.bmp", StateStrip(50, 20, 5, {250, 250, 250}, {220, 225, 235}));
  writer.AddEntry("menuitem.bmp", StateStrip(60, 20, 5, {255, 255, 255}, {190, 210, 250}));
  writer.AddEntry("menubackground.bmp", StateStrip(64, 64, 1, {252, 252, 252}, {240, 242, 246}));
  writer.AddEntry("scrollbar.bmp", GlyphStrip(17, 23));
  writer.AddEntry("horzscroll.bmp", StateStrip(40, 17, 4, {240, 244, 250}, {215, 225, 240}));
  writer.AddEntry("vertscroll.bmp", StateStrip(17, 40, 4, {240, 244, 250}, {215, 225, 240}));
  writer.AddEntry("horzscrollthumb.bmp", StateStrip(40, 17, 3, {200, 215, 250}, {150, 175, 230}));
  writer.AddEntry("vertscrollthumb.bmp", StateStrip(17, 40, 3, {200, 215, 250}, {150, 175, 230}));
  writer.AddEntry("progress.bmp", StateStrip(100, 18, 2, {250, 250, 250}, {225, 225, 225}));
  writer.AddEntry("progress.chunk.bmp", StateStrip(10, 14, 1, {120, 220, 120}, {40, 160, 40}));
  writer.AddEntry("groupboxedge.bmp", StateStrip(30, 30, 2, {250, 250, 255}, {230, 235, 245}));
  writer.AddEntry("groupbox.bmp", StateStrip(80, 20, 1, {220, 230, 250}, {190, 205, 240}));
  writer.AddEntry("statusbaredges.bmp", StateStrip(40, 22, 3, {235, 240, 250}, {205, 215, 235}));
  writer.AddEntry("toolbars.bmp", StateStrip(40, 26, 5, {250, 250, 255}, {215, 225, 245}));
  writer.AddEntry("checkbox.bmp", GlyphStrip(13, 8));
  writer.AddEntry("radio.bmp", GlyphStrip(13, 8));
  writer.AddEntry("trackbar.bmp", StateStrip(11, 21, 4, {230, 240, 255}, {150, 170, 220}));
  writer.AddEntry("spin.bmp", StateStrip(15, 10, 8, {230, 240, 255}, {170, 190, 230}));
  writer.AddEntry("close.bmp", GlyphStrip(18, 4));
  writer.AddEntry("maximize.bmp", GlyphStrip(18, 4));
  writer.AddEntry("minimize.bmp", GlyphStrip(18, 4));
  writer.AddEntry("restore.bmp", GlyphStrip(18, 4));
  writer.AddEntry("help.bmp", GlyphStrip(18, 4));
  writer.AddEntry("sysmenu.bmp", GlyphStrip(18, 4));
  return writer.Build();
}

// A shipped skin folder packed as the skinpack tool packs it; empty when
// the folder can not be packed.
std::vector<uint8_t> ShippedSkin(const std::filesystem::path& folder) {
  const std::filesystem::path packed =
      std::filesystem::temp_directory_path() / ("bench_lzh_" + folder.filename().string() + ".skn");
  std::ostringstream out, err;
  TSkinPackTool tool(out, err);
  if (tool.Run({"pack", folder.string(), packed.string()}) != TSkinPackTool::kOk) return {};
  std::vector<uint8_t> bytes = ReadFileBytes(packed);
  std::filesystem::remove(packed);
  return bytes;
}

// Prose from a small vocabulary with Zipf-like word frequencies, sentences
// and line breaks.
std::vector<uint8_t> EnglishLikeText(size_t size, uint32_t seed) {
  static const char* const kWords[] = {
      "the", "of", "and", "to", "a", "in", "is", "it", "you", "that", "he", "was", "for", "on",
      "are", "with", "as", "his", "they", "be", "at", "one", "have", "this", "from", "or", "had",
      "by", "word", "but", "what", "some", "we", "can", "out", "other", "were", "all", "there",
      "when", "up", "use", "your", "how", "said", "an", "each", "she", "which", "do", "their",
      "time", "if", "will", "way", "about", "many", "then", "them", "write", "would", "like",
      "so", "these", "her", "long", "make", "thing", "see", "him", "two", "has", "look", "more",
      "day", "could", "go", "come", "did", "number", "sound", "no", "most", "people", "my",
      "over", "know", "water", "than", "call", "first", "who", "may", "down", "side", "been",
      "now", "find", "window", "skin", "calculator", "button", "frame", "colour", "bitmap"};
  constexpr size_t kCount = sizeof(kWords) / sizeof(kWords[0]);
  std::vector<double> weights;
  for (size_t i = 0; i < kCount; ++i) weights.push_back(1.0 / static_cast<double>(i + 1));
  std::mt19937 rng(seed);
  std::discrete_distribution<size_t> word(weights.begin(), weights.end());
  std::string text;
  size_t line = 0;
  bool sentenceStart = true;
  while (text.size() < size) {
    std::string w = kWords[word(rng)];
    if (sentenceStart) w[0] = static_cast<char>(w[0] - 'a' + 'A');
    sentenceStart = rng() % 12 == 0;
    if (sentenceStart) w += rng() % 5 == 0 ? "?" : ".";
    else if (rng() % 9 == 0) w += ",";
    if (line + w.size() > 70) {
      text += "\r\n";
      line = 0;
    } else if (!text.empty()) {
      text += ' ';
      ++line;
    }
    text += w;
    line += w.size();
  }
  text.resize(size);
  return Bytes(text);
}

// Bytes piling up near a centre that moves every 2 KB: the tree keeps
// reshaping itself while few matches help.
std::vector<uint8_t> SkewedShifting(size_t size, uint32_t seed) {
  std::mt19937 rng(seed);
  std::geometric_distribution<int> spread(0.12);
  std::vector<uint8_t> out(size);
  for (size_t i = 0; i < size; ++i) {
    const int centre = static_cast<int>((i / 2048) * 37);
    const int offset = spread(rng);
    out[i] = static_cast<uint8_t>(centre + (rng() % 2 ? offset : -offset));
  }
  return out;
}

// Literals only (no matches), in blocks that build the deepest trees, so
// the rare ones decode with codes of up to 17 bits. deepest receives the
// longest code written.
std::vector<uint8_t> DeepLiterals(size_t count, int& deepest) {
  const std::vector<uint8_t> block = DeepTreeLiterals();
  TLzhSymbolWriter writer;
  TLzhHuffTree mirror;  // follows the writer's tree to measure code lengths
  deepest = 0;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t byte = block[i % block.size()];
    int depth = 0;
    for (int node = mirror.LeafNode(byte); node != lzh::kRootNode; node = mirror.Parent(node)) ++depth;
    deepest = std::max(deepest, depth);
    writer.PutLiteral(byte);
    mirror.Update(byte);
  }
  std::vector<uint8_t> packed;
  AppendLE32(packed, static_cast<uint32_t>(count));
  const std::vector<uint8_t> bits = writer.Finish();
  packed.insert(packed.end(), bits.begin(), bits.end());
  return packed;
}

struct TStream {
  std::string Name;
  std::vector<uint8_t> Packed;
};

// Seconds per call of each batch.
std::vector<double> BatchTimes(const std::vector<uint8_t>& packed, int calls, bool classic, size_t& sink,
                               std::vector<double>& into) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < calls; ++i) {
    sink += classic ? ClassicLzhExpand(packed.data(), packed.size()).size()
                    : TLZH::Expand(packed.data(), packed.size()).size();
  }
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  into.push_back(spent.count() / calls);
  return into;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double Best(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

bool Compare(const TStream& s, size_t& sink) {
  const std::vector<uint8_t> ours = TLZH::Expand(s.Packed.data(), s.Packed.size());
  const std::vector<uint8_t> classic = ClassicLzhExpand(s.Packed.data(), s.Packed.size());
  if (ours != classic) {
    std::printf("%-28s OUTPUTS DIFFER (%zu and %zu bytes)\n", s.Name.c_str(), ours.size(), classic.size());
    return false;
  }
  const double kb = ours.size() / 1e3;
  // Batches of about 10 ms, alternating, 11 of each.
  const auto once = std::chrono::steady_clock::now();
  sink += ClassicLzhExpand(s.Packed.data(), s.Packed.size()).size();
  const double onceMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - once).count();
  const int calls = std::max(1, static_cast<int>(10.0 / std::max(onceMs, 1e-3)));
  std::vector<double> classicMs, oursMs;
  for (int b = 0; b < 11; ++b) {
    BatchTimes(s.Packed, calls, true, sink, classicMs);
    BatchTimes(s.Packed, calls, false, sink, oursMs);
  }
  std::printf("%-28s %8.1f KB %6.1f%%  classic %7.3f ms  TLZH %7.3f ms  ratio %5.2f (median %5.2f)\n",
              s.Name.c_str(), kb, 100.0 * s.Packed.size() / ours.size(), Best(classicMs), Best(oursMs),
              Best(classicMs) / Best(oursMs), Median(classicMs) / Median(oursMs));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path skins = argc > 1 ? argv[1] : VC_SKINS_DIR;
  std::vector<TStream> streams;
  for (const char* name : {"default", "dark"}) {
    std::vector<uint8_t> packed = ShippedSkin(skins / name);
    if (packed.empty()) {
      std::printf("could not pack %s: shipped skin left out\n", (skins / name).string().c_str());
      continue;
    }
    streams.push_back({std::string("shipped skin ") + name, std::move(packed)});
  }
  streams.push_back({"synthetic skin package", SyntheticSkinPackage()});
  streams.push_back({"bitmap-like 300 KB", TLzhEncoder::Compress(BitmapLikeBytes(300000, 11))});
  streams.push_back({"English-like text 200 KB", TLzhEncoder::Compress(EnglishLikeText(200000, 5))});
  streams.push_back({"incompressible 200 KB", TLzhEncoder::Compress(RandomBytes(200000, 3))});
  streams.push_back({"skewed shifting 200 KB", TLzhEncoder::Compress(SkewedShifting(200000, 9))});
  int deepest = 0;
  streams.push_back({"literals, deep codes 200 KB", DeepLiterals(200000, deepest)});

  std::printf("best batch per call (median ratio in brackets); ratio = classic / TLZH\n");
  size_t sink = 0;
  bool same = true;
  for (const TStream& s : streams) same = Compare(s, sink) && same;
  std::printf("longest code in the literal stream: %d bits\n", deepest);
  std::printf("(checksum %zu)\n", sink);
  return same ? 0 : 1;
}

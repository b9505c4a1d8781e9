#include "tools/SkinPackTool.h"

#include <algorithm>
#include <exception>
#include <set>

#include "skin/data/AsciiText.h"
#include "skin/data/LZH.h"
#include "skin/data/SkinPackFormat.h"
#include "skin/data/SkinRead.h"
#include "tools/FileBytes.h"
#include "tools/LzhEncoder.h"
#include "tools/SkinPackWriter.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsageText =
    "usage:\n"
    "  skinpack pack FOLDER OUT [--version N]   one INI and its BMP files -> package\n"
    "  skinpack unpack PACKAGE FOLDER            package -> one file per entry\n"
    "  skinpack list PACKAGE                     entries with their sizes\n"
    "  skinpack compress IN OUT                  file -> 4-byte size + LZHUF stream\n"
    "  skinpack expand IN OUT                    4-byte size + LZHUF stream -> file\n";

struct TPackSource {
  std::string Name;  // entry name, lower case
  fs::path Path;
};

bool ParseVersion(const std::string& text, uint32_t& version) {
  if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  uint32_t blockSize = 0;
  version = static_cast<uint32_t>(std::stoul(text));
  return SkinVersionBlockSize(version, blockSize);
}

// An entry name that is safe to use as a file name inside the target folder.
bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32;
  });
}

bool HasExtension(const std::string& name, const char* ext) {
  const std::string e(ext);
  return name.size() > e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0;
}

// Collects the INI (exactly one) and the BMP files of a folder, INI first,
// the bitmaps by name. Other files are reported and left out.
std::vector<TPackSource> CollectSkinFiles(const fs::path& folder, std::ostream& err) {
  if (!fs::is_directory(folder)) throw std::runtime_error(folder.string() + " is not a folder");
  std::vector<TPackSource> inis;
  std::vector<TPackSource> bitmaps;
  std::set<std::string> seen;
  for (const fs::directory_entry& item : fs::directory_iterator(folder)) {
    if (!item.is_regular_file()) continue;
    const std::string name = LowerAscii(item.path().filename().string());
    if (!seen.insert(name).second) {
      throw std::runtime_error("two files named " + name + " (names ignore letter case)");
    }
    if (HasExtension(name, ".ini")) {
      inis.push_back({name, item.path()});
    } else if (HasExtension(name, ".bmp")) {
      bitmaps.push_back({name, item.path()});
    } else {
      err << "skipping " << item.path().filename().string() << ": not an INI or BMP file\n";
    }
  }
  if (inis.size() != 1) {
    throw std::runtime_error(folder.string() + " must hold exactly one .ini file, found " +
                             std::to_string(inis.size()));
  }
  std::sort(bitmaps.begin(), bitmaps.end(),
            [](const TPackSource& a, const TPackSource& b) { return a.Name < b.Name; });
  inis.insert(inis.end(), bitmaps.begin(), bitmaps.end());
  return inis;
}

std::vector<uint8_t> ReadBitmap(const TPackSource& source) {
  std::vector<uint8_t> bytes = ReadFileBytes(source.Path);
  if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
    throw std::runtime_error(source.Path.string() + " is not a BMP file (no \"BM\" signature)");
  }
  return bytes;
}

// Loads a package file; refusals become errors naming the file.
void LoadPackage(const fs::path& package, TSkinReader& reader, std::ostream& err) {
  const std::vector<uint8_t> bytes = ReadFileBytes(package);
  reader.SetMessageProc([&err](const std::string& text) {
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), '\r', ' ');
    err << shown << "\n";
  });
  if (!reader.Load(bytes.data(), bytes.size())) {
    throw std::runtime_error(package.string() + ": " + reader.LastError());
  }
}

}  // namespace

int TSkinPackTool::Run(const std::vector<std::string>& args) {
  try {
    return Dispatch(args);
  } catch (const std::exception& e) {
    FErr << "skinpack: error: " << e.what() << "\n";
    return kFailed;
  }
}

int TSkinPackTool::Dispatch(const std::vector<std::string>& args) {
  if (args.empty()) return Usage("no command given");
  const std::string& command = args[0];
  const size_t operands = args.size() - 1;
  if (command == "pack") return Pack(args);
  if (command == "unpack" && operands == 2) return Unpack(args[1], args[2]);
  if (command == "list" && operands == 1) return List(args[1]);
  if (command == "compress" && operands == 2) return Compress(args[1], args[2]);
  if (command == "expand" && operands == 2) return Expand(args[1], args[2]);
  if (command == "unpack" || command == "list" || command == "compress" || command == "expand") {
    return Usage("wrong number of operands for " + command);
  }
  return Usage("unknown command " + command);
}

int TSkinPackTool::Usage(const std::string& problem) {
  FErr << "skinpack: " << problem << "\n" << kUsageText;
  return kUsage;
}

int TSkinPackTool::Pack(const std::vector<std::string>& args) {
  std::vector<std::string> operands;
  uint32_t version = kSkinDefaultVersion;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] != "--version") {
      operands.push_back(args[i]);
    } else if (i + 1 >= args.size() || !ParseVersion(args[++i], version)) {
      return Usage("--version needs one of 20000, 30000, 40000, 50000, 60000, 70000");
    }
  }
  if (operands.size() != 2) return Usage("pack needs FOLDER and OUT");

  TSkinPackWriter writer;
  writer.SetVersion(version);
  for (const TPackSource& source : CollectSkinFiles(operands[0], FErr)) {
    const bool isIni = HasExtension(source.Name, ".ini");
    writer.AddEntry(source.Name, isIni ? ReadFileBytes(source.Path) : ReadBitmap(source));
  }
  const std::vector<uint8_t> expanded = writer.BuildExpanded();
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(expanded);
  WriteFileBytes(operands[1], packed);
  FOut << "packed " << operands[1] << ": version " << version << ", " << expanded.size()
       << " bytes -> " << packed.size() << " bytes\n";
  return kOk;
}

int TSkinPackTool::Unpack(const fs::path& package, const fs::path& folder) {
  TSkinReader reader;
  LoadPackage(package, reader, FErr);
  for (const std::string& name : reader.Names()) {
    if (!IsPlainFileName(name)) {
      throw std::runtime_error(package.string() + ": entry name \"" + name +
                               "\" is not a plain file name; nothing written");
    }
  }
  fs::create_directories(folder);
  std::set<std::string> written;
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < reader.Count(); ++i) {
    const std::string& name = reader.Names()[i];
    if (!written.insert(name).second) {
      FErr << "skipping a second entry named " << name << " (readers only see the first)\n";
      continue;
    }
    reader.ExtractAt(i, bytes);
    WriteFileBytes(folder / name, bytes);
  }
  FOut << "unpacked " << written.size() << " entries into " << folder.string() << "\n";
  return kOk;
}

int TSkinPackTool::List(const fs::path& package) {
  TSkinReader reader;
  LoadPackage(package, reader, FErr);
  FOut << "version " << reader.Header().Version << ", " << reader.Count() << " entries\n";
  for (size_t i = 0; i < reader.Count(); ++i) {
    FOut << reader.Size(i) << "\t" << reader.Names()[i] << "\n";
  }
  return kOk;
}

int TSkinPackTool::Compress(const fs::path& in, const fs::path& out) {
  const std::vector<uint8_t> data = ReadFileBytes(in);
  const std::vector<uint8_t> packed = TLzhEncoder::Compress(data);
  WriteFileBytes(out, packed);
  FOut << "compressed " << data.size() << " bytes -> " << packed.size() << " bytes\n";
  return kOk;
}

int TSkinPackTool::Expand(const fs::path& in, const fs::path& out) {
  const std::vector<uint8_t> data = ReadFileBytes(in);
  const std::vector<uint8_t> expanded = TLZH::Expand(data.data(), data.size());
  WriteFileBytes(out, expanded);
  FOut << "expanded " << data.size() << " bytes -> " << expanded.size() << " bytes\n";
  return kOk;
}

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
#include "tools/SkinLint.h"
#include "tools/SkinPackWriter.h"

namespace fs = std::filesystem;

namespace {

struct TCommandHelp {
  const char* Name;
  const char* Synopsis;
  const char* Summary;
  const char* Details;
};

constexpr TCommandHelp kCommands[] = {
    {"pack", "pack FOLDER OUT [--version N]", "one INI and its BMP files -> package",
     "  Packs the skin folder FOLDER (exactly one .ini file and its .bmp files;\n"
     "  other files are skipped) into the package OUT. N is the package version:\n"
     "  20000, 30000, 40000, 50000, 60000 or 70000 (the default).\n"},
    {"unpack", "unpack PACKAGE FOLDER", "package -> one file per entry",
     "  Writes every entry of PACKAGE as a file into FOLDER (created if needed).\n"},
    {"list", "list PACKAGE", "entries with their sizes",
     "  Prints the package version and each entry's size and name.\n"},
    {"lint", "lint [--strict] FOLDER|PACKAGE", "what the skin loader would ignore or misread",
     "  Checks a skin folder or a packed skin (.skn) and prints each finding as\n"
     "  FILE:LINE: error|warning: message. Errors: missing, non-BMP, non-24-bit or\n"
     "  damaged images, almost-magenta where the key colour $FF00FF is meant,\n"
     "  images that do not divide into their frames, margins wider than a frame,\n"
     "  entry names too long, too many entries, a package the loader refuses.\n"
     "  Warnings: unknown sections and keys, second copies, values that are not\n"
     "  numbers, Frame values the loader overrides, files never used.\n"
     "  Exit status: 0 without errors, 1 with errors (with --strict also with\n"
     "  warnings) or when the skin can not be read, 2 for bad arguments.\n"},
    {"compress", "compress IN OUT", "file -> 4-byte size + LZHUF stream", ""},
    {"expand", "expand IN OUT", "4-byte size + LZHUF stream -> file", ""},
};

const TCommandHelp* FindCommand(const std::string& name) {
  for (const TCommandHelp& command : kCommands)
    if (name == command.Name) return &command;
  return nullptr;
}

std::string UsageText() {
  std::string text = "usage:\n";
  for (const TCommandHelp& command : kCommands) {
    std::string line = std::string("  skinpack ") + command.Synopsis;
    line.resize(std::max<size_t>(line.size() + 2, 44), ' ');
    text += line + command.Summary + "\n";
  }
  return text + "  skinpack COMMAND --help                   help on one command\n";
}

bool IsHelpFlag(const std::string& arg) { return arg == "--help" || arg == "-h"; }

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
  if (IsHelpFlag(command) || command == "help") return Help(operands > 0 ? args[1] : "");
  if (std::any_of(args.begin() + 1, args.end(), IsHelpFlag)) return Help(command);
  if (command == "pack") return Pack(args);
  if (command == "lint") return Lint(args);
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
  FErr << "skinpack: " << problem << "\n" << UsageText();
  return kUsage;
}

int TSkinPackTool::Help(const std::string& command) {
  if (command.empty()) {
    FOut << "skinpack: builds, checks and inspects skin packages.\n" << UsageText();
    return kOk;
  }
  const TCommandHelp* help = FindCommand(command);
  if (!help) return Usage("no help on unknown command " + command);
  FOut << "usage: skinpack " << help->Synopsis << "\n  " << help->Summary << "\n" << help->Details;
  return kOk;
}

int TSkinPackTool::Lint(const std::vector<std::string>& args) {
  std::vector<std::string> operands;
  bool strict = false;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--strict") {
      strict = true;
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      return Usage("unknown option " + args[i] + " for lint");
    } else {
      operands.push_back(args[i]);
    }
  }
  if (operands.size() != 1) return Usage("lint needs one FOLDER or PACKAGE");
  const fs::path target = operands[0];
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (!fs::exists(status)) throw std::runtime_error("cannot read " + target.string() + ": no such file or folder");
  const std::vector<TLintFinding> findings =
      fs::is_directory(status) ? LintSkinFolder(target) : LintSkinPackage(target);
  size_t errors = 0, warnings = 0;
  for (const TLintFinding& finding : findings) {
    FOut << FormatFinding(finding) << "\n";
    ++(finding.Severity == TLintFinding::Error ? errors : warnings);
  }
  FOut << target.string() << ": " << errors << " error" << (errors == 1 ? "" : "s") << ", " << warnings
       << " warning" << (warnings == 1 ? "" : "s") << "\n";
  return errors > 0 || (strict && warnings > 0) ? kFailed : kOk;
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

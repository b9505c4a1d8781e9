#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// The skinpack command line: packs a skin folder into a package and back,
// lists and checks packages, and compresses or expands single files.
class TSkinPackTool {
 public:
  enum : int { kOk = 0, kFailed = 1, kUsage = 2 };

  TSkinPackTool(std::ostream& out, std::ostream& err) : FOut(out), FErr(err) {}

  // args excludes the program name. Returns the exit code.
  int Run(const std::vector<std::string>& args);

 private:
  int Dispatch(const std::vector<std::string>& args);
  int Usage(const std::string& problem);
  // Help on one command, or on all when command is empty.
  int Help(const std::string& command);
  int Lint(const std::vector<std::string>& args);
  int Pack(const std::vector<std::string>& args);
  int Unpack(const std::filesystem::path& package, const std::filesystem::path& folder);
  int List(const std::filesystem::path& package);
  int Compress(const std::filesystem::path& in, const std::filesystem::path& out);
  int Expand(const std::filesystem::path& in, const std::filesystem::path& out);

  std::ostream& FOut;
  std::ostream& FErr;
};

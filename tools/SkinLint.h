#pragma once
#include <filesystem>
#include <string>
#include <vector>

// skinpack lint: what the skin loader would ignore or misread in a skin.
//
// Errors are what makes the skin look wrong or keeps it from loading: an
// image that is missing, not a BMP, not 24-bit, has near-magenta where the
// key colour is meant, or does not divide into its frames; margins wider
// than a frame; a folder pack refuses or a package the reader refuses; an
// entry name too long to unpack. Warnings are what the loader silently
// passes over: unknown sections and keys, second copies of a section or
// key, values that are not numbers, "Frame" values it overrides, files it
// never reads.
struct TLintFinding {
  enum TSeverity { Warning, Error };
  std::string File;  // a path, or "PACKAGE/ENTRY" for an entry of a package
  int Line = 0;      // 1-based line of File; 0 for the file as a whole
  TSeverity Severity = Error;
  std::string Message;
};

// "FILE:LINE: error: message" (no ":LINE" for line 0).
std::string FormatFinding(const TLintFinding& finding);

// Checks a skin source folder (one INI and its BMP files) or a packed skin
// (.skn). Throws std::runtime_error when the path can not be read at all.
std::vector<TLintFinding> LintSkinFolder(const std::filesystem::path& folder);
std::vector<TLintFinding> LintSkinPackage(const std::filesystem::path& package);

// A packed entry's name must fit a file name of the common file systems, so
// that skinpack unpack can write it.
inline constexpr size_t kLintMaxEntryName = 255;

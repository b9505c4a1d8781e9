#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

// Whole-file reads and writes; both throw std::runtime_error naming the file.
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

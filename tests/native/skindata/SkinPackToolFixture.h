#pragma once
// A fixture that runs skinpack's command line in a scratch folder of its
// own, removed afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tools/SkinPackTool.h"

class TSkinPackToolFixture : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    FRoot = std::filesystem::temp_directory_path() /
            ("skinpack_test_" + name + "_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(FRoot);
  }
  void TearDown() override { std::filesystem::remove_all(FRoot); }

  int Run(const std::vector<std::string>& args) {
    FOut.str("");
    FErr.str("");
    TSkinPackTool tool(FOut, FErr);
    return tool.Run(args);
  }

  std::filesystem::path FRoot;
  std::ostringstream FOut;
  std::ostringstream FErr;
};

// skinpack: builds and inspects skin packages.
#include <iostream>
#include <string>
#include <vector>

#include "tools/SkinPackTool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  TSkinPackTool tool(std::cout, std::cerr);
  return tool.Run(args);
}

#include <iostream>

#include "brand/brand_tool.h"

int main(int argc, char** argv) {
  return RunBrandTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

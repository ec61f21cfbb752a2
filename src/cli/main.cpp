#include <iostream>
#include <string>
#include <vector>

#include "cli/program.h"

int main(int argc, char **argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return ss::simple_span_main(args, std::cin, std::cout, std::cerr, ss::program_routines());
}

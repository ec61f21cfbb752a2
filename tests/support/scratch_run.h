// The program run in process in a fresh scratch folder (the dialogue takes names of at most 35
// characters), with the run date fixed so that two runs give the same report.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/program.h"
#include "export/temp_dir.h"

namespace ss::test {

class ScratchRun : public ::testing::Test {
protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    const char *epoch = std::getenv("SOURCE_DATE_EPOCH");
    had_epoch_ = epoch != nullptr;
    if (epoch) old_epoch_ = epoch;
    ::setenv("SOURCE_DATE_EPOCH", "0", 1);
  }
  void TearDown() override {
    std::filesystem::current_path(old_);
    if (had_epoch_)
      ::setenv("SOURCE_DATE_EPOCH", old_epoch_.c_str(), 1);
    else
      ::unsetenv("SOURCE_DATE_EPOCH");
  }
  // Runs the program with these arguments and console input; the exit status.
  int run(const std::vector<std::string> &args, const std::string &console = "") {
    std::istringstream in(console);
    out_.str("");
    err_.str("");
    return simple_span_main(args, in, out_, err_, program_routines());
  }
  TempDir dir_;
  std::filesystem::path old_;
  bool had_epoch_ = false;
  std::string old_epoch_;
  std::ostringstream out_, err_;
};

} // namespace ss::test

// A host stand-in with the module started in it, for module tests: the host
// is built with the language files beside the test program, SetStartupInfo
// is called, and the module-wide state a test may have changed (options, the
// active rule, the once-per-search warning flag) is set back to its start.
// Calls() reads the host's trace back as parsed calls.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "support/trace_call.h"

namespace support {

// Options for a host whose language and help files are beside the program.
host::HostOptions ModuleHostOptions();

class ModuleTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Override to change the host before it is built.
  virtual host::HostOptions HostOptionsForTest() { return ModuleHostOptions(); }

  host::Host& host() { return *host_; }
  host::Editor& editor() { return host_->editor(); }
  // Replaces the editor's text (OEM bytes) and puts the cursor on 0:0.
  void SetLines(const std::vector<std::string>& lines);

  // The traced calls of one service, in order; for EditorControl a non-empty
  // `command` ("ECTL_GETSTRING") keeps only the calls of that command.
  std::vector<Call> Calls(const std::string& service, const std::string& command = "") const;
  void ClearCalls() { host_->ClearTrace(); }

  // Message texts as the module gets them, formatted like the module does.
  std::string Msg(int id) const;
  std::string Msg(int id, const char* text) const;
  std::string Msg(int id, int number) const;

  // Records waiting in the console input queue.
  unsigned PendingConsoleInput() const;

 private:
  std::unique_ptr<host::Host> host_;
};

}  // namespace support

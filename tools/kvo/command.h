// The frame of the `kvo` command-line tool.
//
// Each subcommand lives in its own file and registers itself with a static
// `Registration`: a name, a one-line summary, a help text and the function
// that runs it. A subcommand may also add a section to `kvo demo`.
//
// Exit codes: 0 success, 1 the operation failed (for example no match or an
// unreadable file), 2 a usage error (unknown option, missing argument).
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/strings.h"

namespace kvo::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

using Args = std::vector<std::string>;

struct Command {
  std::string name;
  std::string summary;
  std::string help;  // shown by `kvo NAME --help`
  std::function<int(const Args&)> run;
};

struct DemoSection {
  std::string title;
  int order;  // sections are shown in ascending order
  std::function<void(std::ostream&)> run;
};

std::vector<Command>& Commands();
std::vector<DemoSection>& DemoSections();

struct Registration {
  explicit Registration(Command c) { Commands().push_back(std::move(c)); }
  explicit Registration(DemoSection d) { DemoSections().push_back(std::move(d)); }
};

// Reports a usage error on standard error and returns kExitUsage.
int UsageError(const std::string& command, const std::string& message);

// The text of the arguments joined by blanks, or standard input when there
// are no arguments (each input line then is one text).
std::vector<kvo::String> TextsFromArgsOrStdin(const Args& args);

// The full name of a bundled sample file (samples/NAME of the source tree,
// installed to share/kvo/samples). Looks in $KVO_SAMPLES first, then next to
// the installed program, then in the source tree the program was built from.
// Returns an empty string when the sample cannot be found.
std::string SamplePath(const std::string& name);

// Quotes a string for display: 'text', with control characters as \xNN.
std::string Show(const kvo::String& s);

}  // namespace kvo::tool

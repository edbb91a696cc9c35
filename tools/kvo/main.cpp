// kvo: a command-line program over the kvo library.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "tools/kvo/command.h"

namespace kvo::tool {

std::vector<Command>& Commands() {
  static std::vector<Command> commands;
  return commands;
}

std::vector<DemoSection>& DemoSections() {
  static std::vector<DemoSection> sections;
  return sections;
}

int UsageError(const std::string& command, const std::string& message) {
  std::cerr << "kvo " << command << ": " << message << "\n"
            << "Try 'kvo " << command << " --help'.\n";
  return kExitUsage;
}

std::vector<kvo::String> TextsFromArgsOrStdin(const Args& args) {
  std::vector<kvo::String> texts;
  if (!args.empty()) {
    std::string joined;
    for (size_t i = 0; i < args.size(); ++i) {
      if (i) joined += ' ';
      joined += args[i];
    }
    texts.push_back(kvo::FromUtf8(joined));
    return texts;
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    texts.push_back(kvo::FromUtf8(line));
  }
  return texts;
}

std::string SamplePath(const std::string& name) {
  namespace fs = std::filesystem;
  std::vector<fs::path> dirs;
  if (const char* env = std::getenv("KVO_SAMPLES")) dirs.emplace_back(env);
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    dirs.push_back(exe.parent_path() / "../share/kvo/samples");
    dirs.push_back(exe.parent_path() / "../../samples");
  }
  dirs.emplace_back(KVO_SOURCE_SAMPLES);
  for (auto& d : dirs) {
    fs::path p = d / name;
    if (fs::is_regular_file(p, ec)) return fs::weakly_canonical(p, ec).string();
  }
  return {};
}

std::string Show(const kvo::String& s) {
  std::string out = "'";
  for (char16_t c : s) {
    if (c < 32 || c == 127) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned>(c));
      out += buf;
    } else {
      out += kvo::ToUtf8(kvo::String(1, c));
    }
  }
  return out + "'";
}

namespace {

void PrintUsage(std::ostream& os) {
  os << "Usage: kvo COMMAND [ARGS...]\n"
        "       kvo COMMAND --help\n\n"
        "Commands:\n";
  auto cmds = Commands();
  std::sort(cmds.begin(), cmds.end(), [](auto& a, auto& b) { return a.name < b.name; });
  for (auto& c : cmds) {
    os << "  " << c.name << std::string(c.name.size() < 12 ? 12 - c.name.size() : 1, ' ')
       << c.summary << "\n";
  }
}

int RunDemo(const Args& args) {
  if (!args.empty()) return UsageError("demo", "takes no arguments");
  auto sections = DemoSections();
  std::stable_sort(sections.begin(), sections.end(),
                   [](auto& a, auto& b) { return a.order < b.order; });
  std::cout << "kvo demo: a short tour of the library\n";
  for (auto& s : sections) {
    std::cout << "\n== " << s.title << " ==\n";
    s.run(std::cout);
  }
  return kExitOk;
}

const Registration demo_command{Command{
    "demo", "a short tour of the library on bundled samples",
    "Usage: kvo demo\n\nRuns a short tour: each module shows a few of its functions at work.\n",
    RunDemo}};

}  // namespace
}  // namespace kvo::tool

int main(int argc, char** argv) {
  using namespace kvo::tool;
  if (argc < 2) {
    PrintUsage(std::cerr);
    return kExitUsage;
  }
  std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(std::cout);
    return kExitOk;
  }
  for (auto& c : Commands()) {
    if (c.name != name) continue;
    Args args(argv + 2, argv + argc);
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
      std::cout << c.help;
      return kExitOk;
    }
    try {
      return c.run(args);
    } catch (const std::exception& e) {
      std::cerr << "kvo " << name << ": " << e.what() << "\n";
      return kExitFailure;
    }
  }
  std::cerr << "kvo: unknown command '" << name << "'\n";
  PrintUsage(std::cerr);
  return kExitUsage;
}

// dorvex-cli: the computations of Dorvex without the desktop.

#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "statvex/number_text.h"

namespace {

using dorvex::cli::Arguments;

struct Command {
  const char* name;
  int (*run)(Arguments&, std::ostream&, std::ostream&);
  const char* usage;
};

const Command kCommands[] = {
    {"info", dorvex::cli::RunInfo, "info FILE.dis [--report REPORT.txt] [--xlsx LISTING.xlsx] [--lang en|cs] [--json]"},
    {"calc", dorvex::cli::RunCalc,
     "calc OP A.dis [B.dis] [--na X] [--nb Y] [--n N] [--nab Z] [--limit L] [-o OUT.dis]\n"
     "                  [--report REPORT.txt] [--xlsx LISTING.xlsx] [--table] [--json] [--lang en|cs]\n"
     "                  [--target-beta B] [--cut-a BELOW,ABOVE] [--cut-b BELOW,ABOVE]\n"
     "             OP: add sub mul div sq abs pow sum prod quot"},
    {"param", dorvex::cli::RunParam,
     "param TYPE P1 [P2 [P3 [P4]]] [--bins N] [--eps E] [--pure] [-o OUT.dis] [--table]\n"
     "                  [--json] [--lang en|cs]   (TYPE: 0..23 or a name such as Normal)"},
    {"query", dorvex::cli::RunQuery, "query FILE.dis (--x X | --p P)... [--json] [--lang en|cs]"},
    {"summary", dorvex::cli::RunSummary,
     "summary TABLE.sum [-o OUT.dis] [--yes | --no] [--table] [--json] [--lang en|cs]"},
    {"combine", dorvex::cli::RunCombine,
     "combine TABLE.kom [-o OUT.dis] [--yes | --no] [--table] [--json] [--lang en|cs]"},
    {"table", dorvex::cli::RunTable, "table TABLE.sum|TABLE.kom [--json] [--lang en|cs]"},
    {"rawdata", dorvex::cli::RunRawData,
     "rawdata FILE [--bins N] [--min LO --max HI] [--fit] [--pure] [-o OUT.dis] [--json]\n"
     "                  [--lang en|cs]   (FILE: measured values, one per line)"},
    {"verify", dorvex::cli::RunVerify, "verify [--json]   (exit 0 when every exact value lies within its bounds)"},
    {"eval", dorvex::cli::RunEval, "eval \"EXPR\" NAME=FILE.dis ... [--param NAME=TYPE:P1,P2[,..][:BINS]] [--rewrite] [-o OUT.dis] [--report REPORT.txt] [--table] [--json] [--lang en|cs]"},
};

void PrintUsage(std::ostream& os) {
  os << "Usage: dorvex-cli COMMAND ...\n";
  for (const auto& c : kCommands) os << "  dorvex-cli " << c.usage << '\n';
  os << "  dorvex-cli --version\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    PrintUsage(args.empty() ? std::cerr : std::cout);
    return args.empty() ? dorvex::cli::kExitUsage : dorvex::cli::kExitOk;
  }
  if (args[0] == "--version") {
    std::cout << "Dorvex " << dorvex::statvex::VersionText() << '\n';
    return dorvex::cli::kExitOk;
  }
  for (const auto& command : kCommands) {
    if (args[0] != command.name) continue;
    Arguments rest(std::vector<std::string>(args.begin() + 1, args.end()));
    try {
      return command.run(rest, std::cout, std::cerr);
    } catch (const dorvex::cli::UsageError& e) {
      std::cerr << "dorvex-cli " << command.name << ": " << e.what() << "\nUsage: dorvex-cli "
                << command.usage << '\n';
      return dorvex::cli::kExitUsage;
    }
  }
  std::cerr << "dorvex-cli: unknown command \"" << args[0] << "\"\n";
  PrintUsage(std::cerr);
  return dorvex::cli::kExitUsage;
}

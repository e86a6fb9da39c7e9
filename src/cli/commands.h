#pragma once
// The subcommands of dorvex-cli. Each returns the exit code; bad usage throws UsageError.

#include <ostream>

#include "cli_options.h"

namespace dorvex::cli {

int RunInfo(Arguments& args, std::ostream& out, std::ostream& err);
int RunCalc(Arguments& args, std::ostream& out, std::ostream& err);
int RunQuery(Arguments& args, std::ostream& out, std::ostream& err);
int RunParam(Arguments& args, std::ostream& out, std::ostream& err);
// Table files of the summary and the combination windows.
int RunSummary(Arguments& args, std::ostream& out, std::ostream& err);
int RunCombine(Arguments& args, std::ostream& out, std::ostream& err);
int RunTable(Arguments& args, std::ostream& out, std::ostream& err);
int RunRawData(Arguments& args, std::ostream& out, std::ostream& err);
int RunVerify(Arguments& args, std::ostream& out, std::ostream& err);
int RunEval(Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace dorvex::cli

#pragma once

#include <span>
#include <string>

// One function per verb of reelkeep-cli. Each takes the arguments after the verb, writes its
// result to stdout and its messages to stderr, and returns the exit status (0 success, 1 failure).
namespace reelkeep::cli {

int RunInfo(std::span<const std::string> args);
int RunNew(std::span<const std::string> args);
int RunConvert(std::span<const std::string> args);
int RunGenerate(std::span<const std::string> args);
int RunActors(std::span<const std::string> args);
int RunLabels(std::span<const std::string> args);
int RunExport(std::span<const std::string> args);
int RunImport(std::span<const std::string> args);
#ifdef REELKEEP_HAVE_RENDER
int RunRender(std::span<const std::string> args);
int RunPrintPdf(std::span<const std::string> args);
#endif

// Prints "usage: reelkeep-cli <synopsis>" to stderr and returns the failure status.
int UsageError(std::string_view synopsis);

}  // namespace reelkeep::cli

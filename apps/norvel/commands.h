// The commands of `norvel`, each given what the command line asked for; each returns the exit
// status. Errors of the suite (common::Error) pass up to main.
#pragma once

#include "apps/norvel/command_line.h"

namespace norvel::cli {

int runCommand(const Invocation& invocation);
int registerCommand(const Invocation& invocation);
int blocksCommand(const Invocation& invocation);

}  // namespace norvel::cli

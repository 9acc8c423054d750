// skelvor-cli: the command-line companion. It answers with the same model classes as the
// screens, so its answers are the screens' answers.
#pragma once

#include <QStringList>
#include <functional>

#include "SkelvorAppDelegate.h"

// Where a command that runs for a while (track) writes each line as it happens.
using LivePrinter = std::function<void(const QString& line)>;

// Runs one command line (without the program name) and gives the exit code: 0 on success,
// 2 for bad usage or input, 1 for other failures. Answers go to out, messages to err, lines
// of a running command to live. The delegate's data directory is where `passes` without
// --tle finds the saved state.
int runCli(const QStringList& arguments, QString& out, QString& err,
           SkelvorAppDelegate& appDelegate, const LivePrinter& live = {});

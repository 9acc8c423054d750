// skelvor-cli: the command-line companion. It answers with the same model classes as the
// screens, so its answers are the screens' answers.
#pragma once

#include <QStringList>

#include "SettingsStore.h"

// Runs one command line (without the program name) and gives the exit code: 0 on success,
// 2 for bad usage or input, 1 for other failures. Answers go to out, messages to err.
int runCli(const QStringList& arguments, QString& out, QString& err, SettingsStore& appDelegate);

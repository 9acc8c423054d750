// Running skelvor-cli in process, and files that live as long as a test.
#pragma once

#include <QTemporaryFile>

#include "Commands.h"
#include "SkelvorAppDelegate.h"

struct CliRun {
    int code;
    QString out;
    QString err;
};

// One command line, answered at the fixed instant 2026-12-06T09:00:00Z.
inline CliRun cli(const QStringList& arguments) {
    SkelvorAppDelegate appDelegate;
    appDelegate.setClock([] { return Date(818290800.0); });
    CliRun run{};
    run.code = runCli(arguments, run.out, run.err, appDelegate);
    return run;
}

class TextFile {
public:
    explicit TextFile(const QString& text) {
        file_.open();
        file_.write(text.toUtf8());
        file_.flush();
    }
    QString path() const { return file_.fileName(); }

private:
    QTemporaryFile file_;
};

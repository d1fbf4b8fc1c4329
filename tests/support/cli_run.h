#pragma once
// Runs selvane-cli as a user would, for the tests of what the program takes and writes: a script
// on standard input in a folder of the test's, or arguments and a file as standard input in a
// fresh folder. Its address space is bounded, so that a reading without end fails instead of
// taking the machine's memory (not under AddressSanitizer, which reserves far more).

#include <sys/resource.h>

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace selvane::testing {

struct CliRun {
    bool finished = false;
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QList<QByteArray> out; // the lines of standard output, without empty ones
    QString errors;
};

inline CliRun runCli(const QString& folder, const QStringList& args, const QByteArray& script,
                     const QString& stdinFile = {}) {
    QProcess cli;
    cli.setWorkingDirectory(folder);
#if !defined(__SANITIZE_ADDRESS__)
    cli.setChildProcessModifier([] {
        const rlimit limit{2ul << 30, 2ul << 30};
        setrlimit(RLIMIT_AS, &limit);
    });
#endif
    if (!stdinFile.isEmpty())
        cli.setStandardInputFile(stdinFile);
    cli.start(QStringLiteral(SELVANE_CLI), args);
    if (stdinFile.isEmpty()) {
        cli.write(script);
        cli.closeWriteChannel();
    }
    CliRun r;
    r.finished = cli.waitForFinished(60000);
    if (!r.finished) {
        cli.kill();
        cli.waitForFinished();
    }
    r.exitCode = r.finished ? cli.exitCode() : -1;
    r.status = cli.exitStatus();
    r.out = cli.readAllStandardOutput().split('\n');
    r.out.removeAll(QByteArray());
    r.errors = QString::fromUtf8(cli.readAllStandardError());
    return r;
}

inline CliRun runCli(const QString& folder, const QByteArray& script) {
    return runCli(folder, {}, script);
}

// In a fresh folder, with these arguments and this file (if any) as standard input.
inline CliRun runCliWith(const QStringList& args, const QString& stdinFile = {}) {
    QTemporaryDir work;
    return runCli(work.path(), args, {}, stdinFile);
}

} // namespace selvane::testing

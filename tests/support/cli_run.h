#pragma once
// Runs selvane-cli on a script given on standard input, in a folder of the test's, for the
// tests of what the program writes to files.

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace selvane::testing {

struct CliRun {
    int exitCode = -1;
    QString errors;
};

inline CliRun runCli(const QString& folder, const QByteArray& script) {
    QProcess cli;
    cli.setWorkingDirectory(folder);
    cli.start(QStringLiteral(SELVANE_CLI), {});
    cli.write(script);
    cli.closeWriteChannel();
    if (!cli.waitForFinished(60000))
        return {};
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardError())};
}

} // namespace selvane::testing

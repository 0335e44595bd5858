#pragma once
// The developer's transfer tool as a child process the test controls to the signal: it
// can be killed at a chosen moment, run under a file size limit, and tells its peak
// memory.
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

struct TToolRun {
    bool Killed = false; // ended by the test's SIGKILL before it finished
    int ExitCode = -1; // when it finished
    long PeakKilobytes = 0; // its largest resident set
    std::chrono::microseconds Duration {};
};

struct TToolLaunch {
    QStringList Arguments;
    std::optional<std::chrono::microseconds> KillAfter; // SIGKILL then, if still running
    long FileSizeLimit = 0; // bytes, 0 for none; writes beyond it fail
    bool Quiet = true; // its output goes nowhere
    QString ErrorFile; // where its error output goes, if anywhere
};

TToolRun RunTransferTool(const TToolLaunch& launch);

// Writes a chosen list for the tool: the edit folder's name, then one name a line.
QString WriteList(const QString& path, const QString& pasta, const QStringList& names);

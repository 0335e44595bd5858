#include "ToolProcess.h"

#include <QCoreApplication>
#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

TToolRun RunTransferTool(const TToolLaunch& launch)
{
    // Beside the test's own folder in the build tree, wherever the test is started from.
    const QByteArray tool
        = QFile::encodeName(QCoreApplication::applicationDirPath() + "/../tools/transfer-run");
    std::vector<QByteArray> arguments { tool };
    for (const QString& argument : launch.Arguments)
        arguments.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const QByteArray errorFile = QFile::encodeName(launch.ErrorFile);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (launch.FileSizeLimit > 0) {
            signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
            const rlimit limit { rlim_t(launch.FileSizeLimit), rlim_t(launch.FileSizeLimit) };
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (launch.Quiet) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
        }
        if (!errorFile.isEmpty()) dup2(open(errorFile.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    TToolRun run;
    if (child < 0) {
        ADD_FAILURE() << "fork failed";
        return run;
    }
    if (launch.KillAfter) {
        std::this_thread::sleep_for(*launch.KillAfter);
        kill(child, SIGKILL);
    }
    int status = 0;
    rusage usage {};
    EXPECT_EQ(wait4(child, &status, 0, &usage), child);
    run.Duration
        = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    run.Killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.PeakKilobytes = usage.ru_maxrss;
    return run;
}

QString WriteList(const QString& path, const QString& pasta, const QStringList& names)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write((QStringList { pasta } + names).join('\n').toUtf8() + '\n');
    return path;
}

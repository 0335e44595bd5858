#pragma once
// The test database: the MariaDB server that scripts/test starts (its port comes in
// QUIRA_TEST_DB_PORT), and servers of a test's own for tests that stop theirs.
#include <QString>
#include <gtest/gtest.h>
#include <ostream>

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class TSQLConnection;

namespace testdb {

// True when scripts/test started a server; `why` says what is missing otherwise.
bool Available(QString* why = nullptr);
int Port();

// The product's connection parameters, pointed at the server on `port`.
void Configure(TSQLConnection& connection, int port);
// Points a connection that already has its parameters at the server on `port`.
void Redirect(TSQLConnection& connection, int port);
// The same time limit for connecting and for each read and write, for tests that freeze
// a server and must not wait the product's own limits.
void LimitTimes(TSQLConnection& connection, int seconds);

// A throwaway server in a folder of its own, stopped and removed with the object.
class PrivateServer {
public:
    PrivateServer();
    ~PrivateServer();
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    // Both return false (and add a test failure) when scripts/testdb fails.
    bool Start();
    bool Stop();
    int Port() const { return m_port; }
    // Runs `sql` on the running server as its administrator (the product's account only
    // reads), for tests that need rows of their own.
    bool Execute(const QString& sql);
    // Freezes the running server (SIGSTOP: connections open, nothing answered) or lets
    // it go on (SIGCONT).
    bool Freeze(bool frozen);

private:
    bool Run(const QStringList& args, QString* output);
    QString m_dir;
    int m_port = 0;
    bool m_running = false;
};

} // namespace testdb

// Tests that need the server: they fail, loudly, when it was not started.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString why;
        if (!testdb::Available(&why)) FAIL() << why.toStdString();
    }
};

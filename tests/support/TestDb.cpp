#include "support/TestDb.h"

#include "framework/data/SQLConnection.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>

namespace testdb {

bool Available(QString* why)
{
    bool ok = false;
    qEnvironmentVariable("QUIRA_TEST_DB_PORT").toInt(&ok);
    if (!ok && why)
        *why = QStringLiteral("QUIRA_TEST_DB_PORT is not set: these tests need the test database that "
                              "scripts/test starts (or start one with scripts/testdb start DIR and export "
                              "QUIRA_TEST_DB_PORT)");
    return ok;
}

int Port() { return qEnvironmentVariable("QUIRA_TEST_DB_PORT").toInt(); }

void Configure(TSQLConnection& connection, int port)
{
    connection.SetDriverName(QStringLiteral("MySQL"));
    connection.SetParams({
        QStringLiteral("DriverName=MySQL"),
        QStringLiteral("HostName=127.0.0.1"),
        QStringLiteral("Database=zelvarion"),
        QStringLiteral("User_Name=zelvarion"),
        QStringLiteral("Password=pomar481736"),
        QStringLiteral("BlobSize=-1"),
        QStringLiteral("ErrorResourceFile="),
        QStringLiteral("LocaleCode=0000"),
        QStringLiteral("Charset=utf-8"),
        QStringLiteral("Collation=latin1_swedish_ci"),
    });
    connection.SetPort(port);
}

void Redirect(TSQLConnection& connection, int port)
{
    connection.SetParamValue(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    connection.SetPort(port);
}

void LimitTimes(TSQLConnection& connection, int seconds)
{
    for (const char* name : { "ConnectTimeout", "ReadTimeout", "WriteTimeout" })
        connection.SetParamValue(QLatin1String(name), QString::number(seconds));
}

PrivateServer::PrivateServer()
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quira-db-XXXXXX"));
    dir.setAutoRemove(false);
    m_dir = dir.path();
}

PrivateServer::~PrivateServer()
{
    if (m_running) Stop();
    QDir(m_dir).removeRecursively();
}

bool PrivateServer::Run(const QStringList& args, QString* output)
{
    QProcess p;
    p.start(QStringLiteral("bash"), QStringList { QStringLiteral(QUIRA_TESTDB_SCRIPT) } + args);
    const bool finished = p.waitForFinished(120000);
    if (output) *output = QString::fromUtf8(p.readAllStandardOutput());
    const bool ok = finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok)
        ADD_FAILURE() << "scripts/testdb " << args.join(u' ').toStdString()
                      << " failed: " << p.readAllStandardError().toStdString();
    return ok;
}

bool PrivateServer::Start()
{
    QStringList args { QStringLiteral("start"), m_dir };
    // A restart keeps the port, as a studio's server would.
    if (m_port) args.append(QString::number(m_port));
    QString out;
    if (!Run(args, &out)) return false;
    const auto match = QRegularExpression(QStringLiteral("port=(\\d+)")).match(out);
    m_port = match.captured(1).toInt();
    m_running = m_port > 0;
    return m_running;
}

bool PrivateServer::Execute(const QString& sql)
{
    QProcess p;
    p.start(QStringLiteral("mariadb"),
        { QStringLiteral("--no-defaults"),
            QStringLiteral("--socket=") + m_dir + QStringLiteral("/mysqld.sock"),
            QStringLiteral("--user=root"), QStringLiteral("--default-character-set=utf8mb4"),
            QStringLiteral("zelvarion") });
    p.write(sql.toUtf8());
    p.closeWriteChannel();
    const bool ok = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok) ADD_FAILURE() << "SQL failed: " << p.readAllStandardError().toStdString();
    return ok;
}

bool PrivateServer::Freeze(bool frozen)
{
    QFile pidFile(m_dir + QStringLiteral("/mysqld.pid"));
    const pid_t pid = pidFile.open(QIODevice::ReadOnly) ? pid_t(pidFile.readAll().trimmed().toInt()) : 0;
    const bool ok = m_running && pid > 0 && kill(pid, frozen ? SIGSTOP : SIGCONT) == 0;
    if (!ok) ADD_FAILURE() << "cannot " << (frozen ? "freeze" : "thaw") << " the server";
    return ok;
}

bool PrivateServer::Stop()
{
    m_running = false;
    return Run({ QStringLiteral("stop"), m_dir }, nullptr);
}

} // namespace testdb

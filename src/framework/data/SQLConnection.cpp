#include "SQLConnection.h"

#include "SQLQuery.h"
#include "framework/Exception.h"

#include <QAtomicInt>

namespace {

// Driver names a connection may carry, and the Qt driver behind each.
struct DriverAlias {
    const char* name;
    const char* qtDriver;
};
constexpr DriverAlias kDrivers[] = {
    { "MySQL", "QMYSQL" },
};

QString QtDriverFor(const QString& name)
{
    for (const DriverAlias& d : kDrivers)
        if (name.compare(QLatin1String(d.name), Qt::CaseInsensitive) == 0) return QLatin1String(d.qtDriver);
    return name;
}

// The client library's codes for a connection the server has dropped (server gone,
// lost during a query, lost during the handshake) and the server's for a killed one.
constexpr int kLostConnectionCodes[] = { 2006, 2013, 2055, 1927 };

bool IsLostConnection(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    if (!ok) return false;
    for (int lost : kLostConnectionCodes)
        if (code == lost) return true;
    return false;
}

// The first line a clerk reads above the driver's message, for the failures met at a
// desk: the server not reached, the connection dropped, the server not answering in time.
struct TFailureLine {
    int Code;
    const char* Line;
};
constexpr TFailureLine kFailureLines[] = {
    { 2002, "Não foi possível conectar ao servidor do banco de dados." },
    { 2003, "Não foi possível conectar ao servidor do banco de dados." },
    { 2005, "Não foi possível conectar ao servidor do banco de dados." },
    { 2006, "A conexão com o servidor do banco de dados foi perdida." },
    { 2013, "A conexão com o servidor do banco de dados foi perdida." },
    { 2055, "A conexão com o servidor do banco de dados foi perdida." },
    { 1927, "A conexão com o servidor do banco de dados foi perdida." },
};
const char* const kTimeoutLine = "O servidor do banco de dados não respondeu a tempo.";

// The client library tells a timeout only in its text ("timed out", "timeout", or the
// system error 110 it met).
bool IsTimeout(const QString& text)
{
    return text.contains(QLatin1String("timed out"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("timeout"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("errno: 110")) || text.contains(QLatin1String("error: 110"))
        || text.contains(QLatin1String("(110)"));
}

// The connection's timeouts, in seconds, by parameter name: reaching the server, and
// each read and write of a query, so that a server that stops answering ends the action
// with an error instead of holding the window for ever.
struct TTimeoutParam {
    const char* Param;
    const char* Option;
};
constexpr TTimeoutParam kTimeoutParams[] = {
    { "ConnectTimeout", "MYSQL_OPT_CONNECT_TIMEOUT" },
    { "ReadTimeout", "MYSQL_OPT_READ_TIMEOUT" },
    { "WriteTimeout", "MYSQL_OPT_WRITE_TIMEOUT" },
};

// The driver always talks UTF-8 (utf8mb4) to the server, which converts from and to the
// tables' latin1; these are the names of that character set a connection may ask for.
bool IsUtf8(const QString& charset)
{
    static const char* const names[] = { "", "utf-8", "utf8", "utf8mb4" };
    for (const char* n : names)
        if (charset.compare(QLatin1String(n), Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString NewHandleName()
{
    static QAtomicInt counter;
    return QStringLiteral("quira-connection-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

TSQLConnection::TSQLConnection(QObject* owner)
    : TComponent(owner)
    , m_handleName(NewHandleName())
{
}

TSQLConnection::~TSQLConnection()
{
    Close();
    // The kept handle goes first: Qt removes a connection cleanly only once no copy of it
    // is left.
    m_database = QSqlDatabase();
    if (m_handleAdded) QSqlDatabase::removeDatabase(m_handleName);
}

QString TSQLConnection::ParamValue(const QString& name) const
{
    const QString prefix = name + u'=';
    for (const QString& p : m_params)
        if (p.startsWith(prefix, Qt::CaseInsensitive)) return p.mid(prefix.size());
    return {};
}

void TSQLConnection::SetParamValue(const QString& name, const QString& value)
{
    const QString prefix = name + u'=';
    m_configured = false;
    for (QString& p : m_params) {
        if (p.startsWith(prefix, Qt::CaseInsensitive)) {
            p = prefix + value;
            return;
        }
    }
    m_params.append(prefix + value);
}

void TSQLConnection::SetConnected(bool connected)
{
    if (IsLoading()) {
        m_connectWhenLoaded = connected;
        return;
    }
    if (connected)
        Open();
    else
        Close();
}

void TSQLConnection::Loaded()
{
    TComponent::Loaded();
    if (m_connectWhenLoaded) {
        m_connectWhenLoaded = false;
        Open();
    }
}

void TSQLConnection::Configure(QSqlDatabase& db) const
{
    db.setHostName(ParamValue(QStringLiteral("HostName")));
    db.setPort(m_port);
    db.setDatabaseName(ParamValue(QStringLiteral("Database")));
    db.setUserName(ParamValue(QStringLiteral("User_Name")));
    db.setPassword(ParamValue(QStringLiteral("Password")));
    QStringList options;
    for (const TTimeoutParam& t : kTimeoutParams) {
        bool ok = false;
        const int seconds = ParamValue(QLatin1String(t.Param)).toInt(&ok);
        if (ok && seconds > 0)
            options.append(QStringLiteral("%1=%2").arg(QLatin1String(t.Option)).arg(seconds));
    }
    db.setConnectOptions(options.join(u';'));
}

void TSQLConnection::Open()
{
    if (m_connected) return;
    const QString charset = ParamValue(QStringLiteral("Charset"));
    if (!IsUtf8(charset)) throw Exception(QStringLiteral("Character set '%1' is not supported").arg(charset));

    const QString driver
        = QtDriverFor(m_driverName.isEmpty() ? ParamValue(QStringLiteral("DriverName")) : m_driverName);
    if (m_handleAdded && driver != m_handleDriver) {
        m_database = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_handleName);
        m_handleAdded = false;
    }
    if (!m_handleAdded) {
        m_database = QSqlDatabase::addDatabase(driver, m_handleName);
        m_handleDriver = driver;
        m_handleAdded = true;
        m_configured = false;
    }
    if (!m_database.isValid()) throw Exception(ErrorText(m_database.lastError()));
    if (!m_configured) {
        Configure(m_database);
        m_configured = true;
    }
    if (!m_database.open()) throw Exception(ErrorText(m_database.lastError()));
    m_connected = true;
}

void TSQLConnection::Close()
{
    // The session ends before the queries hear of it: the server drops their statements
    // with it, so none needs a message of its own.
    if (m_database.isValid()) m_database.close();
    const auto queries = m_openQueries;
    for (const auto& q : queries)
        if (q) q->Close();
    m_openQueries.clear();
    m_connected = false;
}

void TSQLConnection::QueryOpened(TSQLQuery* query)
{
    if (!m_openQueries.contains(query)) m_openQueries.append(query);
}

void TSQLConnection::QueryClosed(TSQLQuery* query) { m_openQueries.removeAll(query); }

int TSQLConnection::OpenQueryCount() const
{
    int n = 0;
    for (const auto& q : m_openQueries)
        if (q) ++n;
    return n;
}

void TSQLConnection::RaiseError(const QSqlError& error)
{
    if (IsLostConnection(error)) Close();
    throw Exception(ErrorText(error));
}

QString TSQLConnection::ErrorText(const QSqlError& error)
{
    const QString database = error.databaseText().trimmed();
    const QString text = database.isEmpty() ? error.driverText().trimmed() : database;
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    for (const TFailureLine& f : kFailureLines)
        if (ok && f.Code == code)
            return QString::fromUtf8(IsTimeout(text) ? kTimeoutLine : f.Line) + u'\n' + text;
    return text;
}

#pragma once
// A connection to the MySQL server, described by named parameters ("HostName=...",
// "Database=...", ...). Opening a query on a closed connection connects it; closing the
// connection closes every query that is open on it.
//
// DriverName, HostName, Database, User_Name, Password and Charset are read, and the
// timeouts in seconds ConnectTimeout, ReadTimeout and WriteTimeout (none when missing). The others a
// declaration carries state what this driver does anyway: BlobSize=-1 (blobs are read
// whole), ErrorResourceFile= (messages come from the client library), LocaleCode and
// Collation (comparisons use the collation of the tables' own columns). The port is a
// property of its own; the client library takes the host "localhost" as its local
// socket, so a server reached over TCP is named by address or host name.
#include "framework/Component.h"

#include <QList>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>

class TSQLQuery;

class TSQLConnection : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString DriverName READ DriverName WRITE SetDriverName)
    Q_PROPERTY(QStringList Params READ Params WRITE SetParams)
    Q_PROPERTY(int Port READ Port WRITE SetPort)
    Q_PROPERTY(bool Connected READ Connected WRITE SetConnected)
public:
    // The server's standard port; a data module declares its own.
    static constexpr int kDefaultPort = 3306;

    explicit TSQLConnection(QObject* owner = nullptr);
    ~TSQLConnection() override;

    // "MySQL" (the product's server) or the name of a Qt SQL driver.
    const QString& DriverName() const { return m_driverName; }
    void SetDriverName(const QString& name) { m_driverName = name; }
    const QStringList& Params() const { return m_params; }
    void SetParams(const QStringList& params)
    {
        m_params = params;
        m_configured = false;
    }
    QString ParamValue(const QString& name) const;
    void SetParamValue(const QString& name, const QString& value);
    int Port() const { return m_port; }
    void SetPort(int port)
    {
        m_port = port;
        m_configured = false;
    }

    bool Connected() const { return m_connected; }
    void SetConnected(bool connected);
    // Raises Exception with the driver's message when the server cannot be reached or
    // refuses the account; the connection then stays closed.
    void Open();
    void Close();

    // For queries: the database handle (invalid before the first Open), and the
    // bookkeeping of open queries.
    QSqlDatabase Database() const { return m_database; }
    void QueryOpened(TSQLQuery* query);
    void QueryClosed(TSQLQuery* query);
    int OpenQueryCount() const;
    // Raises Exception with the message of a failed driver call. A connection the server
    // has dropped is closed first, so that the next action connects again.
    [[noreturn]] void RaiseError(const QSqlError& error);

    // The text a user reads for a driver error: the server's or client library's own
    // message when there is one, below a short Portuguese line when the server was not
    // reached, the connection was lost or the server did not answer in time.
    static QString ErrorText(const QSqlError& error);

private:
    void Configure(QSqlDatabase& db) const;
    void Loaded() override;

    QString m_driverName;
    QStringList m_params;
    int m_port = kDefaultPort;
    bool m_connected = false;
    bool m_connectWhenLoaded = false;
    QString m_handleName;
    QString m_handleDriver;
    // The handle, kept from the first Open so that an action does not look it up by
    // name at every step; set up again only after the parameters or the port changed.
    QSqlDatabase m_database;
    bool m_handleAdded = false;
    bool m_configured = false;
    QList<QPointer<TSQLQuery>> m_openQueries;
};

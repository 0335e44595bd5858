#pragma once
// A small web site of the test's own on the program's built-in web host.
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace previewtest {

// The studio's web site as the test plays it: every request path is recorded; a photo
// page names its id in title and text, and the id `kHeldId` gets no answer at all, so
// its page is still loading for as long as the test wants.
class PhotoSite : public QObject {
public:
    static constexpr const char* kHeldId = "4242";

    PhotoSite()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    bool Listen()
    {
        const QUrl home(QStringLiteral("http://" QUIRA_WEB_HOST));
        return m_server.listen(QHostAddress(home.host()), static_cast<quint16>(home.port(80)));
    }

    // The paths asked for, without the browser's own favicon requests.
    QStringList PagePaths() const
    {
        QStringList pages;
        for (const QString& path : m_paths)
            if (path != QLatin1String("/favicon.ico")) pages.append(path);
        return pages;
    }

private:
    QTcpServer m_server;
    QStringList m_paths;

    void Answer(QTcpSocket* socket)
    {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
        m_pending.remove(socket);
        if (requestLine.size() < 2) return;
        const QString path = QString::fromLatin1(requestLine.at(1));
        m_paths.append(path);
        const QUrl url(QStringLiteral("http://site") + path);
        const QString query = url.query(QUrl::FullyEncoded);
        const QString id = query.startsWith(QLatin1String("id=")) ? query.mid(3) : QString();
        if (url.path() == QLatin1String("/quira_desktop.php") && id == QLatin1String(kHeldId)) return;
        QByteArray body;
        QByteArray status = "200 OK";
        if (url.path() == QLatin1String("/quira_desktop.php"))
            body = QStringLiteral(
                "<!doctype html><html><head><meta charset=\"utf-8\"><title>Foto %1</title></head>"
                "<body><h1>Página da foto nº %1</h1></body></html>")
                       .arg(id.isEmpty() ? QStringLiteral("sem id") : id)
                       .toUtf8();
        else
            status = "404 Not Found";
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: "
            + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QHash<QTcpSocket*, QByteArray> m_pending;
};

} // namespace previewtest

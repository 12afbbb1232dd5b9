#include "windowbeacon.h"

#include "platform/runtimefolder.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace win {

namespace {

constexpr int AnswerTimeoutMs = 3000;
constexpr int ProbeTimeoutMs = 500;
const QByteArray Request("raise\n");
const QByteArray Reply("found\n");

bool someoneListens(const QString &path)
{
    QLocalSocket probe;
    probe.connectToServer(path);
    return probe.waitForConnected(ProbeTimeoutMs);
}

} // namespace

WindowBeacon::WindowBeacon(QWidget *window, QObject *parent)
    : QObject(parent)
    , m_window(window)
{
    const QString path = serverPath(window->windowTitle());
    if (someoneListens(path))
        return;
    // What is left is the socket of a process that died.
    QLocalServer::removeServer(path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) {
        delete m_server;
        m_server = nullptr;
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &WindowBeacon::answer);
}

WindowBeacon::~WindowBeacon() = default;

bool WindowBeacon::isAnnounced() const
{
    return m_server != nullptr;
}

QString WindowBeacon::serverPath(const QString &title)
{
    return runtimeFileName("window", title);
}

void WindowBeacon::answer()
{
    while (QLocalSocket *client = m_server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, client, [this, client] {
            if (!client->canReadLine())
                return;
            client->readAll();
            if (m_window && m_window->isEnabled()) {
                m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
                m_window->show();
                m_window->raise();
                m_window->activateWindow();
            }
            client->write(Reply);
            client->flush();
            client->disconnectFromServer();
        });
    }
}

bool bringWindowForward(const QString &title)
{
    QLocalSocket socket;
    socket.connectToServer(WindowBeacon::serverPath(title));
    if (!socket.waitForConnected(AnswerTimeoutMs))
        return false;
    socket.write(Request);
    socket.waitForBytesWritten(AnswerTimeoutMs);
    // The answer tells that the window has been dealt with before this
    // process goes on (and usually ends).
    while (!socket.canReadLine() && socket.waitForReadyRead(AnswerTimeoutMs)) {
    }
    return true;
}

} // namespace win

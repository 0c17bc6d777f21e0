// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/raise_channel.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>

namespace korvane {
namespace {

constexpr char kAsk[] = "raise\n";
constexpr char kAnswer[] = "raised\n";

// A folder, not a link, of the player's, that no one else may enter.
bool privateFolder(const QString& path) {
    struct stat look {};
    if (::lstat(QFile::encodeName(path).constData(), &look) != 0) return false;
    return S_ISDIR(look.st_mode) && look.st_uid == ::geteuid() && (look.st_mode & 077) == 0;
}

// Made when missing, and taken only when private.
QString privateSubfolder(const QString& parent, const QString& name) {
    const QString path = parent + QLatin1Char('/') + name;
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    return privateFolder(path) ? path : QString();
}

QString channelFolder() {
    // The XDG rules: a relative path is invalid, and the folder is the player's alone.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && privateFolder(runtime))
        return privateSubfolder(runtime, QStringLiteral("korvane"));
    return privateSubfolder(QDir::tempPath(), QStringLiteral("korvane-%1").arg(::geteuid()));
}

}  // namespace

QString RaiseChannel::address(const QString& folder) {
    const QString where = channelFolder();
    if (where.isEmpty()) return {};
    // The same folder by any path, through links too, is the same table.
    const QString canonical = QDir(folder).canonicalPath();
    const QByteArray key =
        QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha256)
            .toHex()
            .left(32);
    return where + QStringLiteral("/table-") + QString::fromLatin1(key);
}

bool RaiseChannel::askToRaise(const QString& address, int deadlineMs) {
    if (address.isEmpty()) return false;
    const QDeadlineTimer deadline(deadlineMs);
    QLocalSocket socket;
    socket.connectToServer(address);
    if (!socket.waitForConnected(int(deadline.remainingTime()))) return false;
    socket.write(kAsk);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) return false;
    QByteArray heard;
    while (!heard.endsWith('\n')) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
        heard += socket.readAll();
    }
    return heard == kAnswer;
}

bool RaiseChannel::listen(const QString& address, std::function<void()> raise) {
    if (address.isEmpty()) return false;
    QLocalSocket other;
    other.connectToServer(address);
    if (other.waitForConnected(200)) return false;  // a live table listens there
    QLocalServer::removeServer(address);            // left by a table that is gone
    raise_ = std::move(raise);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { answer(); });
    return server_.listen(address);
}

void RaiseChannel::answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto serve = [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > 64) socket->disconnectFromServer();
                return;
            }
            if (socket->readLine() == kAsk) {
                if (raise_) raise_();
                socket->write(kAnswer);
            }
            socket->disconnectFromServer();
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, serve);
        serve();  // the ask may have come with the connection
    }
}

}  // namespace korvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/raise_channel.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <utility>

namespace korvane {
namespace {

constexpr char kAsk[] = "raise\n";
constexpr char kAnswer[] = "raised\n";
// An ask is one short line; more without a line's end is no ask.
constexpr int kLongestAsk = 64;
// A second launch asks as soon as it is connected: a caller that says nothing
// for this long, or too many at once, holds no descriptor of the table's.
constexpr int kQuietMs = 1000;
constexpr int kMostCallers = 8;

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
    // The XDG rules: a relative path is invalid, and the folder is the player's
    // alone. One the player cannot make a folder in is passed over as well.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && privateFolder(runtime)) {
        const QString ours = privateSubfolder(runtime, QStringLiteral("korvane"));
        if (!ours.isEmpty()) return ours;
    }
    return privateSubfolder(QDir::tempPath(), QStringLiteral("korvane-%1").arg(::geteuid()));
}

// A socket's descriptor, closed when it goes out of scope.
struct Descriptor {
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int release() { return std::exchange(fd, -1); }
    int fd;
};

int newSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// False when the path does not fit a socket's address.
bool socketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

int connectTo(int fd, const sockaddr_un& address) {
    return ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

// The caller is a process of the player's own.
bool callerIsPlayer(int fd) {
    ucred caller{};
    socklen_t size = sizeof caller;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &caller, &size) == 0 &&
           caller.uid == ::geteuid();
}

// One connection to the open table: it reads a line, answers an ask, and goes.
class Caller : public QObject {
  public:
    Caller(int fd, QObject* owner, const std::function<void()>& raise)
        : QObject(owner), fd_(fd), heard_(fd, QSocketNotifier::Read), raise_(raise) {
        QObject::connect(&heard_, &QSocketNotifier::activated, this, [this] { hear(); });
        QTimer::singleShot(kQuietMs, this, [this] { hangUp(); });
    }
    bool open() const { return fd_.fd >= 0; }

  private:
    void hear() {
        char bytes[kLongestAsk];
        const ssize_t got = ::recv(fd_.fd, bytes, sizeof bytes - size_t(line_.size()), 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
        if (got <= 0) return hangUp();
        line_.append(bytes, int(got));
        if (!line_.contains('\n')) {
            if (line_.size() >= kLongestAsk) hangUp();  // garbage
            return;
        }
        if (line_.left(line_.indexOf('\n') + 1) == kAsk) {
            if (raise_) raise_();
            ::send(fd_.fd, kAnswer, sizeof kAnswer - 1, MSG_NOSIGNAL);
        }
        hangUp();
    }
    void hangUp() {
        if (!open()) return;
        heard_.setEnabled(false);
        ::close(fd_.release());
        deleteLater();
    }

    Descriptor fd_;
    QSocketNotifier heard_;
    const std::function<void()>& raise_;
    QByteArray line_;
};

}  // namespace

RaiseChannel::RaiseChannel() = default;

RaiseChannel::~RaiseChannel() {
    close();
}

QString RaiseChannel::address(const QString& folder) {
    const QString where = channelFolder();
    if (where.isEmpty()) return {};
    // The same folder by any path, through links too, is the same table.
    const QString canonical = QDir(folder).canonicalPath();
    // A socket's name holds about a hundred bytes: 64 bits of the hash tell
    // folders apart.
    const QByteArray key =
        QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return where + QStringLiteral("/table-") + QString::fromLatin1(key);
}

bool RaiseChannel::askToRaise(const QString& address, int deadlineMs) {
    sockaddr_un where{};
    if (!socketAddress(address, where)) return false;
    const QDeadlineTimer deadline(deadlineMs);
    const Descriptor fd(newSocket());
    // A local socket connects at once or not at all.
    if (fd.fd < 0 || connectTo(fd.fd, where) != 0) return false;
    if (::send(fd.fd, kAsk, sizeof kAsk - 1, MSG_NOSIGNAL) != ssize_t(sizeof kAsk - 1))
        return false;
    QByteArray heard;
    while (!heard.endsWith('\n') && heard.size() < kLongestAsk) {
        pollfd wait{fd.fd, POLLIN, 0};
        const int ready = ::poll(&wait, 1, int(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        char bytes[kLongestAsk];
        const ssize_t got = ::recv(fd.fd, bytes, sizeof bytes, 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (got <= 0) return false;
        heard.append(bytes, int(got));
    }
    return heard == kAnswer;
}

bool RaiseChannel::listen(const QString& address, std::function<void()> raise) {
    sockaddr_un where{};
    if (socket_ >= 0 || !socketAddress(address, where)) return false;
    Descriptor fd(newSocket());
    if (fd.fd < 0) return false;
    {
        const Descriptor other(newSocket());
        if (connectTo(other.fd, where) == 0 || errno == EAGAIN) return false;  // a live table
        if (errno == ECONNREFUSED) ::unlink(where.sun_path);  // left by a table that is gone
    }
    if (::bind(fd.fd, reinterpret_cast<const sockaddr*>(&where), sizeof where) != 0) return false;
    // Only the player may connect; no one can before it listens.
    if (::chmod(where.sun_path, 0600) != 0 || ::listen(fd.fd, kMostCallers) != 0) {
        ::unlink(where.sun_path);
        return false;
    }
    socket_ = fd.release();
    address_ = address;
    raise_ = std::move(raise);
    listening_ = std::make_unique<QSocketNotifier>(socket_, QSocketNotifier::Read);
    QObject::connect(listening_.get(), &QSocketNotifier::activated, [this] { acceptCallers(); });
    return true;
}

void RaiseChannel::acceptCallers() {
    for (;;) {
        Descriptor caller(::accept4(socket_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (caller.fd < 0) return;
        int open = 0;
        for (const QObject* other : callers_.children())
            open += static_cast<const Caller*>(other)->open() ? 1 : 0;
        if (open >= kMostCallers || !callerIsPlayer(caller.fd)) continue;
        new Caller(caller.release(), &callers_, raise_);  // owned by callers_
    }
}

void RaiseChannel::close() {
    if (socket_ < 0) return;
    listening_.reset();
    ::close(socket_);
    socket_ = -1;
    ::unlink(QFile::encodeName(address_).constData());
    qDeleteAll(callers_.children());
}

}  // namespace korvane

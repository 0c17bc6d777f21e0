// SPDX-License-Identifier: GPL-3.0-or-later
// The channel a second launch raises the open table by: where it lies, who can
// reach it, what an ask hears from a table that answers, from none, and from
// one that is stuck, and what the table does with callers that do not ask.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>
#include <vector>

#include "window/raise_channel.h"

namespace korvane {
namespace {

int modeOf(const QString& path) {
    struct stat look {};
    return ::lstat(QFile::encodeName(path).constData(), &look) == 0 ? int(look.st_mode & 0777) : -1;
}

// A socket bound at `path`, listening or not, that never accepts: a table that
// is stuck, or gone without taking its socket away.
int rawSocket(const QString& path, bool listening) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return -1;
    if (listening) ::listen(fd, 4);
    return fd;
}

// A caller at `path`, connected, or -1 while the table has not yet taken those
// before it.
int caller(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    ::close(fd);
    return -1;
}

// The other end hung up on `fd`: it reads the end of the stream, or an error.
bool hungUp(int fd) {
    pollfd look{fd, POLLIN, 0};
    char byte;
    return ::poll(&look, 1, 0) == 1 && ::recv(fd, &byte, 1, MSG_DONTWAIT) <= 0;
}

// Asks as a second launch does, blocking a thread of its own, while this
// thread's event loop plays the open table.
bool askAsASecondLaunch(const QString& address) {
    auto asked = std::async(std::launch::async,
                            [&address] { return RaiseChannel::askToRaise(address, 5000); });
    return QTest::qWaitFor(
               [&asked] {
                   return asked.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
               },
               10000) &&
           asked.get();
}

class RaiseChannelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        saved_ = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("TMPDIR")};
        qputenv("TMPDIR", QFile::encodeName(path("tmp")));
        ASSERT_TRUE(QDir().mkdir(path("tmp")));
        ASSERT_TRUE(
            QDir().mkdir(path("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path("run")));
        ASSERT_TRUE(QDir().mkdir(path("table")));
    }
    void TearDown() override {
        if (::geteuid() != ::getuid()) {
            ASSERT_EQ(::seteuid(0), 0);
            ASSERT_EQ(::setegid(0), 0);
        }
        qputenv("XDG_RUNTIME_DIR", saved_.first);
        qputenv("TMPDIR", saved_.second);
    }
    // What follows runs as an ordinary player: root goes through any mode.
    void playAsNobody() {
        if (::geteuid() != 0) return;
        constexpr uid_t kNobody = 65534;
        ::chmod(QFile::encodeName(scratch_.path()).constData(), 0711);
        for (const char* folder : {"run", "tmp", "table"})
            ASSERT_EQ(::chown(QFile::encodeName(path(folder)).constData(), kNobody, kNobody), 0);
        ASSERT_EQ(::setegid(kNobody), 0);
        ASSERT_EQ(::seteuid(kNobody), 0);
    }
    QString path(const char* name) const { return scratch_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir scratch_;
    std::pair<QByteArray, QByteArray> saved_;
};

TEST_F(RaiseChannelTest, LiesWhereOnlyThePlayerCanReachIt) {
    playAsNobody();
    const QString run = path("run");
    const QString own = path("tmp") + QStringLiteral("/korvane-%1/").arg(::geteuid());
    const auto runtime = [&run](const QByteArray& value, mode_t mode) {
        ::chmod(QFile::encodeName(run).constData(), mode);
        if (value.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", value);
    };
    const struct {
        const char* what;
        QByteArray value;
        mode_t mode;
        QString expectedFolder;
    } cases[] = {
        {"one the player cannot make a folder in", QFile::encodeName(run), 0500, own},
        {"the player's runtime folder", QFile::encodeName(run), 0700, run + "/korvane/"},
        {"no runtime folder", QByteArray(), 0700, own},
        {"a relative one, which the XDG rules ignore", "relative/run", 0700, own},
        {"one that others may enter", QFile::encodeName(run), 0755, own},
    };
    for (const auto& c : cases) {
        runtime(c.value, c.mode);
        const QString address = RaiseChannel::address(path("table"));
        EXPECT_TRUE(address.startsWith(c.expectedFolder))
            << c.what << ": " << address.toStdString();
        EXPECT_EQ(modeOf(QFileInfo(address).path()), 0700) << c.what;
    }
    EXPECT_FALSE(QFile::exists(path("table/relative"))) << "nothing made under the start folder";

    // A folder of that name that others may write in, or a link, is not taken.
    qunsetenv("XDG_RUNTIME_DIR");
    ::chmod(QFile::encodeName(own).constData(), 0777);
    EXPECT_EQ(RaiseChannel::address(path("table")), QString());
    ASSERT_TRUE(QDir(own).removeRecursively());
    ASSERT_TRUE(QFile::link(path("run"), own.chopped(1)));
    EXPECT_EQ(RaiseChannel::address(path("table")), QString());
    EXPECT_FALSE(RaiseChannel::askToRaise(QString(), 1000));
    RaiseChannel none;
    EXPECT_FALSE(none.listen(QString(), [] {}));
}

TEST_F(RaiseChannelTest, IsNamedAfterTheCashFilesFolder) {
    ASSERT_TRUE(QDir().mkdir(path("other")));
    ASSERT_TRUE(QFile::link(path("table"), path("linked")));
    const QString address = RaiseChannel::address(path("table"));
    EXPECT_EQ(RaiseChannel::address(path("linked")), address) << "one folder by two paths";
    EXPECT_EQ(RaiseChannel::address(path("table") + QStringLiteral("/.")), address);
    EXPECT_NE(RaiseChannel::address(path("other")), address) << "two folders never meet";
}

TEST_F(RaiseChannelTest, AnOpenTableComesToTheFrontWhenAsked) {
    const QString address = RaiseChannel::address(path("table"));
    EXPECT_FALSE(RaiseChannel::askToRaise(address, 1000)) << "no table listens yet";
    // A socket left by a table that was killed is taken over.
    const int stale = rawSocket(address, false);
    ASSERT_GE(stale, 0);
    ::close(stale);
    RaiseChannel open;
    int raised = 0;
    ASSERT_TRUE(open.listen(address, [&raised] { ++raised; }));
    EXPECT_EQ(modeOf(address) & 077, 0) << "only the player may connect";
    for (int launch = 1; launch <= 2; ++launch) {
        EXPECT_TRUE(askAsASecondLaunch(address)) << launch;
        EXPECT_EQ(raised, launch);
    }
    // A second table that finds the channel answered leaves it to the first.
    RaiseChannel late;
    EXPECT_FALSE(late.listen(address, [] {}));

    // Callers that never ask, or say something else, or too many at once, hold
    // no descriptor of the table's for long; an honest ask is still answered.
    std::vector<int> callers;
    for (const QByteArray& words : {QByteArray(), QByteArray(100, 'x'), QByteArray("hello\n")}) {
        for (int each = 0; each < (words.isEmpty() ? 20 : 1); ++each) {
            int fd = -1;
            ASSERT_TRUE(QTest::qWaitFor([&] { return (fd = caller(address)) >= 0; }, 5000));
            callers.push_back(fd);
            ::send(fd, words.constData(), size_t(words.size()), MSG_NOSIGNAL);
        }
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&callers] { return std::all_of(callers.begin(), callers.end(), hungUp); }, 5000))
        << std::count_if(callers.begin(), callers.end(), hungUp) << " of " << callers.size();
    for (const int fd : callers)
        ::close(fd);
    EXPECT_EQ(raised, 2) << "none of them raised the table";
    EXPECT_TRUE(askAsASecondLaunch(address));
    open.close();
    EXPECT_FALSE(QFile::exists(address)) << "a closed table takes its socket away";
}

TEST_F(RaiseChannelTest, ATableThatDoesNotAnswerLeavesTheAskToItsDeadline) {
    const QString address = RaiseChannel::address(path("table"));
    const int stuck = rawSocket(address, true);  // takes the connection, never answers
    ASSERT_GE(stuck, 0);
    QElapsedTimer took;
    took.start();
    EXPECT_FALSE(RaiseChannel::askToRaise(address, 300));
    EXPECT_GE(took.elapsed(), 250);
    EXPECT_LT(took.elapsed(), 3000) << "the deadline holds";
    ::close(stuck);
}

}  // namespace
}  // namespace korvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A second launch for a folder whose table is already open brings that table's
// window to the front, as desktop programs do, instead of only saying so. The
// open table listens on a Unix socket that only the player can reach, named
// after the cash file's folder, so tables of two folders never raise each other.
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>

namespace korvane {

class RaiseChannel {
  public:
    RaiseChannel();
    ~RaiseChannel();
    RaiseChannel(const RaiseChannel&) = delete;
    RaiseChannel& operator=(const RaiseChannel&) = delete;

    // The socket for the table of `folder`: in the player's runtime folder
    // (XDG_RUNTIME_DIR), or else in a folder of the player's own of mode 0700 in
    // the temporary folder. Empty when neither is private to the player.
    static QString address(const QString& folder);

    // Asks the table listening at `address` to come to the front: true once it
    // says it did, false when none answers within `deadlineMs`.
    static bool askToRaise(const QString& address, int deadlineMs);

    // Listens at `address` for the rest of the run, on the window's event loop;
    // `raise` runs for each ask. A socket left by a table that is gone is
    // replaced; one that answers is not.
    bool listen(const QString& address, std::function<void()> raise);
    // Stops listening and takes the socket away.
    void close();

  private:
    void acceptCallers();

    int socket_ = -1;
    QString address_;
    std::unique_ptr<QSocketNotifier> listening_;
    QObject callers_;  // each connection, until it asked, went quiet or was closed
    std::function<void()> raise_;
};

}  // namespace korvane

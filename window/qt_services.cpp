// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt_services.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>
#include <utility>

namespace korvane {
namespace {

QMessageBox::Icon qtIcon(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Stop:
            return QMessageBox::Critical;
        case BoxIcon::Information:
            return QMessageBox::Information;
        case BoxIcon::None:
            return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

// The box would wrap long lines at its own narrow width; the game's lines are
// written to be read one a line, so the text gets room for its longest.
void keepLinesWhole(QMessageBox& box, const QString& text) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label) return;
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : text.split(QChar('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    label->setMinimumWidth(std::min(widest + 8, 760));
}

// Qt's log takes a line from any thread.
void tellSilence(const char* why) {
    qWarning("Korvane: %s", why);
}

}  // namespace

BoxAnswer QtMessageBoxes::show(const BoxRequest& request) {
    // Character 13 breaks a line in the game's texts; Qt breaks at a line feed.
    const QString text = QString::fromStdString(request.text).replace(QChar('\r'), QChar('\n'));
    const bool question = request.buttons == BoxButtons::YesNo;
    QMessageBox box(qtIcon(request.icon), QString::fromStdString(request.title), text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    keepLinesWhole(box, text);
    // The table's own words, each with its first letter as its key.
    const auto word = [](const std::string& w) { return "&" + QString::fromStdString(w); };
    if (question) {
        box.button(QMessageBox::Yes)->setText(word(request.yes));
        box.button(QMessageBox::No)->setText(word(request.no));
    } else {
        box.button(QMessageBox::Ok)->setText(QString::fromStdString(request.ok));
    }
    box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    if (question) box.setEscapeButton(QMessageBox::No);
    const int answer = box.exec();
    if (!question) return BoxAnswer::Ok;
    return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

QtSound::QtSound() = default;

QtSound::~QtSound() {
    player_.reset();  // before the module that made it goes
}

void QtSound::play(const std::string& file) {
    const QString path = QDir::current().absoluteFilePath(QString::fromStdString(file));
    if (!QFileInfo(path).isFile()) return;  // no file, no sound
    if (auto cue = hold_.offer(path)) start(*cue);
}

void QtSound::ready() {
    if (auto cue = hold_.windowUp()) start(*cue);
}

void QtSound::start(const QString& path) {
    if (!player_ && !failed_) {
        // Beside the program, installed or in the build tree, wherever that is.
        module_.setFileName(QCoreApplication::applicationDirPath() + "/libkorvane_sound.so");
        module_.load();
        auto create = reinterpret_cast<CreateSoundPlayer>(module_.resolve(kCreateSoundPlayer));
        if (create) player_.reset(create(&tellSilence));
        failed_ = !player_;
        if (failed_)
            qWarning("Korvane: no sound module, so no sounds: %s",
                     qPrintable(module_.errorString()));
    }
    if (player_) player_->play(QFile::encodeName(path).toStdString());
}

void QtTimers::timerChanged(Timer& timer) {
    auto& qtimer = timers_[&timer];
    if (!qtimer) {
        qtimer = std::make_unique<QTimer>();
        qtimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(qtimer.get(), &QTimer::timeout, [&timer] { timer.tick(); });
    }
    if (timer.running()) {
        qtimer->start(timer.interval());
    } else {
        qtimer->stop();
    }
}

}  // namespace korvane

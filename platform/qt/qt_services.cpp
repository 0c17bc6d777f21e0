#include "platform/qt/qt_services.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>

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

}  // namespace

void QtMessageBoxes::attach(QWidget* parent, std::function<void()> refresh) {
    parent_ = parent;
    refresh_ = std::move(refresh);
}

BoxAnswer QtMessageBoxes::show(const BoxRequest& request) {
    if (refresh_) refresh_();
    // Character 13 breaks a line in the game's texts; Qt breaks at a line feed.
    const QString text = QString::fromStdString(request.text).replace(QChar('\r'), QChar('\n'));
    const bool question = request.buttons == BoxButtons::YesNo;
    QMessageBox box(qtIcon(request.icon), QString::fromStdString(request.title), text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    keepLinesWhole(box, text);
    box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    if (question) box.setEscapeButton(QMessageBox::No);
    const int answer = box.exec();
    if (!question) return BoxAnswer::Ok;
    return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::play(const std::string& file) {
    const QString name = QString::fromStdString(file);
    const QString path = QDir::current().absoluteFilePath(name);
    if (!QFileInfo(path).isFile()) return;  // no file, no sound
    auto& effect = effects_[name];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    if (playing_) playing_->stop();
    playing_ = effect.get();
    effect->play();
}

void QtTimers::timerChanged(Timer& timer) {
    auto& qtimer = timers_[&timer];
    if (!qtimer) {
        qtimer = std::make_unique<QTimer>();
        qtimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(qtimer.get(), &QTimer::timeout, [this, &timer] {
            timer.tick();
            if (afterTick) afterTick();
        });
    }
    if (timer.running()) {
        qtimer->start(timer.interval());
    } else {
        qtimer->stop();
    }
}

bool QtTimers::anyRunning() const {
    for (const auto& [timer, qtimer] : timers_)
        if (qtimer->isActive()) return true;
    return false;
}

}  // namespace korvane

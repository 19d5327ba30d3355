#include "ui/access/speech_queue.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QStatusBar>
#include <cstdlib>

#include "ui/access/accessible_roles.h"
#include "ui/widgets/game_label.h"

namespace splat::ui {
namespace {

constexpr double kDefaultRate = 15.0;  // characters a second
constexpr int kPerUtterance = 300;     // ms the screen reader takes to begin
constexpr int kAfterKey = 800;         // ms a key's own speech is given to begin

int durationMs(const QString& text) {
    return kPerUtterance + static_cast<int>(1000.0 * static_cast<double>(text.size()) / SpeechQueue::rate());
}

}  // namespace

double SpeechQueue::rate() {
    static const double value = [] {
        const char* set = std::getenv("SPLAT_SPEECH_RATE");
        const double v = set != nullptr ? std::atof(set) : 0.0;
        return v >= 1.0 && v <= 10000.0 ? v : kDefaultRate;
    }();
    return value;
}

SpeechQueue::SpeechQueue(QWidget& host) {
    installAccessibleRoles();
    auto* bar = new QStatusBar(&host);
    bar->setObjectName(QStringLiteral("speech"));
    bar->setSizeGripEnabled(false);
    bar->setGeometry(0, 0, 1, 1);
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* notice = new GameLabel(bar);
    notice->setGeometry(0, 0, 1, 1);
    setLiveText(notice);
    bar->lower();
    bar->show();
    notice_ = notice;
    pace_.setSingleShot(true);
    connect(&pace_, &QTimer::timeout, this, [this] {
        current_.clear();
        next();
    });
    QCoreApplication::instance()->installEventFilter(this);
}

void SpeechQueue::say(const QString& text) {
    const QString said = text.simplified();
    if (said.isEmpty()) return;
    if (listener_) {
        listener_(said);
        return;
    }
    waiting_.push_back(said);
    if (!pace_.isActive()) next();
}

void SpeechQueue::next() {
    if (waiting_.empty() || notice_ == nullptr) return;
    current_ = waiting_.front();
    waiting_.pop_front();
    since_.start();
    pace_.start(durationMs(current_));
    notice_->setAccessibleName(current_);
    announce(notice_);
}

bool SpeechQueue::eventFilter(QObject* watched, QEvent* event) {
    // A key press silences the screen reader: the text it was saying is said
    // again, after the key's own speech.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        watched != nullptr && watched->isWidgetType() && (pace_.isActive() || !waiting_.empty())) {
        if (!current_.isEmpty() && since_.elapsed() < durationMs(current_) - kPerUtterance / 2)
            waiting_.push_front(current_);
        current_.clear();
        pace_.start(kAfterKey);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace splat::ui

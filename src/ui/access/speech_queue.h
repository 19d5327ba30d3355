#pragma once
// What the game says to a screen reader of its own accord (the play-by-play,
// the score, what an action did), one utterance at a time and in order.
//
// Each text is handed over as a notification inside a status bar: Orca 43
// speaks a notification when it is shown, without the word "notification"
// when it sits in a status bar, on whichever page is in front (Qt 6.4 has no
// announcement event of its own). Orca empties its speech queue at every key
// press, so the queue keeps the texts itself and hands over the next one only
// once the last has had the time to be said; a key press while a text is
// being said hands that text over again once the key's own speech has begun.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace splat::ui {

class SpeechQueue : public QObject {
    Q_OBJECT
public:
    // Speaks through a notification made in `host` (it shows nothing).
    explicit SpeechQueue(QWidget& host);

    // Says `text` after everything said before it.
    void say(const QString& text);

    // Hands each text to `listener` instead of the screen reader, at once
    // (tests).
    void setListener(std::function<void(const QString&)> listener) { listener_ = std::move(listener); }

    // Characters a second the screen reader says: SPLAT_SPEECH_RATE when it
    // is set to a number, otherwise the pace of Orca's default voice.
    static double rate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void next();

    QPointer<QWidget> notice_;
    std::deque<QString> waiting_;
    QString current_;  // being said, or empty
    QElapsedTimer since_;
    QTimer pace_;
    std::function<void(const QString&)> listener_;
};

}  // namespace splat::ui

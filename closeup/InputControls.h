#pragma once

#include "SignalReading.h"

#include <QTimer>
#include <QWidget>

#include <optional>
#include <span>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace forms {
class Announcer;
}

namespace sound {
class SignalInput;
}

namespace closeup {

// The view's input: a switch (and F8), the input to take and a gain in decibels. The
// switch stands where the view puts it; the rest shows only while the input is on,
// or has something to say, so that it takes no room from the figure otherwise.
// While on, it keeps what arrives, reads it a few times a second as a student would
// (SignalReading), and says beside the controls and to a screen reader what is wrong
// with it: silence, a silent channel, clipping, no fraction near, or an input that
// stops.
class InputControls : public QWidget {
    Q_OBJECT

public:
    // What is read: the last half second, enough for a few periods of the lowest tone.
    static constexpr int readMilliseconds = 500;
    static constexpr int readEveryMilliseconds = 200;
    static constexpr int lowestGain = 0;
    static constexpr int highestGain = 40;

    InputControls(forms::Announcer &announcer, QWidget *parent = nullptr);

    bool isOn() const;
    // Made in the parent given, for the view to place.
    QCheckBox *inputSwitch() const;
    void switchOff();
    // The last frames, left and right interleaved, as they arrived.
    std::span<const float> latest(qsizetype frames) const;
    int rate() const;
    // The share the trace is drawn at: the gain, from decibels.
    double gain() const;
    const std::optional<sound::SignalReading> &reading() const { return m_reading; }

signals:
    void switched(bool on);
    void arrived();
    // A new reading, a few times a second.
    void read();

private:
    void switchInput(bool on);
    void showWhatMatters();
    void listInputs();
    void chooseInput();
    void readNow();
    void say(const QString &trouble);
    void fail(const QString &reason);

    forms::Announcer &m_announcer;
    sound::SignalInput *m_input;
    QCheckBox *m_switch;
    QComboBox *m_inputs;
    QSpinBox *m_gain;
    QLabel *m_trouble;
    QTimer m_reader;
    std::optional<sound::SignalReading> m_reading;
};

} // namespace closeup

#pragma once

#include "Tones.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace forms {
class Announcer;
}

namespace sound {
class TonePlayer;
}

namespace closeup {

class ViewState;

// The view's figure as sound: a switch (and F9), the base tone and the output to play
// on. While on, the tones follow the view's state: its a, b and phase, drift and all.
// What stops the sound on its own is said beside the switch and to a screen reader.
class SoundControls : public QWidget {
    Q_OBJECT

public:
    SoundControls(const ViewState &state, forms::Announcer &announcer, QWidget *parent = nullptr);
    ~SoundControls() override;

    // The tones heard now, if any.
    std::optional<sound::Tones> sounding() const;
    // With no figure there is nothing to hear.
    void offer(bool enabled, const QString &whyNot);

signals:
    // Started or stopped, by the user or on its own.
    void soundingChanged();

private:
    sound::Tones tones() const;
    void switchSound(bool on);
    void followState();
    void listOutputs();
    void chooseOutput();
    void fail(const QString &reason);

    const ViewState &m_state;
    forms::Announcer &m_announcer;
    sound::TonePlayer *m_player;
    QCheckBox *m_switch;
    QSpinBox *m_base;
    QComboBox *m_outputs;
    QLabel *m_reason;
};

} // namespace closeup

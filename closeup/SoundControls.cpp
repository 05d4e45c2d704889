#include "SoundControls.h"

#include "Announcer.h"
#include "CloseUpTexts.h"
#include "DeviceList.h"
#include "Offer.h"
#include "TonePlayer.h"
#include "ViewState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>

namespace closeup {

namespace {

// The key that switches the sound from anywhere in the view.
constexpr auto soundKey = Qt::Key_F9;

} // namespace

SoundControls::SoundControls(const ViewState &state, forms::Announcer &announcer, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_announcer(announcer)
    , m_player(new sound::TonePlayer(this))
    , m_switch(new QCheckBox(soundText, this))
    , m_base(new QSpinBox(this))
    , m_outputs(new QComboBox(this))
    , m_reason(new QLabel(this))
{
    m_switch->setAccessibleName(soundName);
    m_base->setRange(sound::Tones::lowestBase, sound::Tones::highestBase);
    m_base->setValue(sound::Tones::usualBase);
    m_base->setSuffix(hertzSuffix);
    m_base->setAccessibleName(baseName);
    m_base->setToolTip(valueKeys.arg(baseName));
    m_outputs->setAccessibleName(outputName);
    m_reason->setWordWrap(true);
    // Shown only with a reason, so that an empty line takes no room from the figure.
    m_reason->hide();
    auto *baseCaption = new QLabel(baseLabel, this);
    baseCaption->setBuddy(m_base);
    auto *outputCaption = new QLabel(outputLabel, this);
    outputCaption->setBuddy(m_outputs);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins({});
    for (QWidget *widget : std::initializer_list<QWidget *>{m_switch, baseCaption, m_base, outputCaption, m_outputs})
        row->addWidget(widget);
    row->addWidget(m_reason, 1);

    connect(new QShortcut(QKeySequence(soundKey), this), &QShortcut::activated, m_switch, [this] {
        if (m_switch->isEnabled())
            m_switch->toggle();
    });
    connect(m_switch, &QCheckBox::toggled, this, &SoundControls::switchSound);
    // A new base tone changes the hertz the caption names.
    connect(m_base, &QSpinBox::valueChanged, this, [this] {
        followState();
        if (m_player->isPlaying())
            emit soundingChanged();
    });
    connect(&m_state, &ViewState::figureChanged, this, &SoundControls::followState);
    connect(m_outputs, &QComboBox::activated, this, &SoundControls::chooseOutput);
    connect(m_player, &sound::TonePlayer::outputsChanged, this, &SoundControls::listOutputs);
    connect(m_player, &sound::TonePlayer::failed, this, &SoundControls::fail);
    listOutputs();
}

SoundControls::~SoundControls()
{
    // The view goes at once; its sound fades out first, on its own, and then goes too.
    if (!m_player->isPlaying())
        return;
    m_player->setParent(QCoreApplication::instance());
    connect(m_player, &sound::TonePlayer::silent, m_player, &QObject::deleteLater);
    m_player->stop();
}

sound::Tones SoundControls::tones() const
{
    return {m_state.frequencies(), m_state.phaseDegrees(), double(m_base->value())};
}

std::optional<sound::Tones> SoundControls::sounding() const
{
    if (!m_player->isPlaying())
        return std::nullopt;
    return tones();
}

void SoundControls::offer(bool enabled, const QString &whyNot)
{
    if (!enabled)
        m_switch->setChecked(false);
    forms::offer(*m_switch, enabled, whyNot, soundKeys);
}

void SoundControls::switchSound(bool on)
{
    if (on) {
        m_reason->clear();
        m_reason->hide();
        m_player->play(tones(), m_outputs->currentData().toByteArray());
    } else {
        m_player->stop();
    }
    emit soundingChanged();
}

void SoundControls::followState()
{
    if (!m_player->isPlaying())
        return;
    m_player->follow(tones());
}

void SoundControls::listOutputs()
{
    listDevices(*m_outputs, m_player->outputs());
}

void SoundControls::chooseOutput()
{
    if (m_player->isPlaying())
        m_player->play(tones(), m_outputs->currentData().toByteArray());
}

void SoundControls::fail(const QString &reason)
{
    m_reason->setText(reason);
    m_reason->show();
    m_announcer.announce(reason);
    const QSignalBlocker quiet(m_switch);
    m_switch->setChecked(false);
    emit soundingChanged();
}

} // namespace closeup

#include "InputControls.h"

#include "Announcer.h"
#include "CloseUpTexts.h"
#include "DeviceList.h"
#include "PictureTexts.h"
#include "SignalInput.h"
#include "SignalWords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>

namespace closeup {

namespace {

// The key that switches the input from anywhere in the view.
constexpr auto inputKey = Qt::Key_F8;
constexpr double decibelsPerTenfold = 20;

} // namespace

InputControls::InputControls(forms::Announcer &announcer, QWidget *parent)
    : QWidget(parent)
    , m_announcer(announcer)
    , m_input(new sound::SignalInput(this))
    , m_switch(new QCheckBox(inputText, parent))
    , m_inputs(new QComboBox(this))
    , m_gain(new QSpinBox(this))
    , m_trouble(new QLabel(this))
{
    m_switch->setAccessibleName(inputName);
    m_switch->setToolTip(inputKeys);
    m_inputs->setAccessibleName(inputListName);
    m_gain->setRange(lowestGain, highestGain);
    m_gain->setSuffix(decibelSuffix);
    m_gain->setAccessibleName(gainName);
    m_gain->setToolTip(valueKeys.arg(gainName));
    m_trouble->setWordWrap(true);
    // Shown only with something to say, so that an empty line takes no room.
    m_trouble->hide();
    auto *inputsCaption = new QLabel(inputListLabel, this);
    inputsCaption->setBuddy(m_inputs);
    auto *gainCaption = new QLabel(gainLabel, this);
    gainCaption->setBuddy(m_gain);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins({});
    for (QWidget *widget :
         std::initializer_list<QWidget *>{inputsCaption, m_inputs, gainCaption, m_gain})
        row->addWidget(widget);
    row->addWidget(m_trouble, 1);

    // On the switch, which is shown while the rest may not be.
    connect(new QShortcut(QKeySequence(inputKey), m_switch), &QShortcut::activated, m_switch, &QCheckBox::toggle);
    connect(m_switch, &QCheckBox::toggled, this, &InputControls::switchInput);
    connect(m_inputs, &QComboBox::activated, this, &InputControls::chooseInput);
    connect(m_input, &sound::SignalInput::inputsChanged, this, &InputControls::listInputs);
    connect(m_input, &sound::SignalInput::failed, this, &InputControls::fail);
    connect(m_input, &sound::SignalInput::arrived, this, &InputControls::arrived);
    connect(m_gain, &QSpinBox::valueChanged, this, &InputControls::arrived);
    m_reader.setInterval(readEveryMilliseconds);
    connect(&m_reader, &QTimer::timeout, this, &InputControls::readNow);
    listInputs();
    setVisible(false);
}

bool InputControls::isOn() const
{
    return m_switch->isChecked();
}

void InputControls::switchOff()
{
    m_switch->setChecked(false);
}

std::span<const float> InputControls::latest(qsizetype frames) const
{
    return m_input->latest(frames);
}

int InputControls::rate() const
{
    return m_input->rate();
}

double InputControls::gain() const
{
    return std::pow(10.0, m_gain->value() / decibelsPerTenfold);
}

QCheckBox *InputControls::inputSwitch() const
{
    return m_switch;
}

void InputControls::showWhatMatters()
{
    setVisible(isOn() || !m_trouble->text().isEmpty());
}

void InputControls::switchInput(bool on)
{
    m_reading.reset();
    say({});
    if (on) {
        m_input->start(m_inputs->currentData().toByteArray());
        // One that fails at once has turned the switch off and said why.
        if (!m_input->isRunning())
            return;
        m_reader.start();
    } else {
        m_input->stop();
        m_reader.stop();
    }
    showWhatMatters();
    emit switched(on);
}

void InputControls::listInputs()
{
    listDevices(*m_inputs, sound::SignalInput::inputs());
}

void InputControls::chooseInput()
{
    if (isOn())
        m_input->start(m_inputs->currentData().toByteArray());
}

void InputControls::readNow()
{
    if (!m_input->isRunning())
        return;
    const qsizetype frames = qsizetype(m_input->rate()) * readMilliseconds / 1000;
    const sound::SignalReading reading = sound::SignalReading::of(m_input->latest(frames), m_input->rate());
    m_reading = reading;
    // What is wrong, the worst first: nothing at all, one channel, clipping, no fraction.
    if (reading.x.silent() && reading.y.silent())
        say(picture::noSignal);
    else if (reading.x.silent() || reading.y.silent())
        say(channelSilent.arg(reading.x.silent() ? QStringLiteral("x") : QStringLiteral("y")));
    else if (reading.clipped())
        say(picture::clipping);
    else if (reading.x.hertz && reading.y.hertz && !reading.fraction)
        say(picture::noNearFraction);
    else
        say({});
    emit read();
}

void InputControls::say(const QString &trouble)
{
    if (trouble == m_trouble->text())
        return;
    m_trouble->setText(trouble);
    m_trouble->setVisible(!trouble.isEmpty());
    showWhatMatters();
    if (!trouble.isEmpty())
        m_announcer.announce(trouble);
}

void InputControls::fail(const QString &reason)
{
    {
        const QSignalBlocker quiet(m_switch);
        m_switch->setChecked(false);
    }
    m_reader.stop();
    m_reading.reset();
    say(reason);
    emit switched(false);
}

} // namespace closeup

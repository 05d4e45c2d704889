#include "FigureControls.h"

#include "CloseUpTexts.h"
#include "Phase.h"
#include "ViewState.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace closeup {

namespace {

// A phase changes in steps of 5°, and ten of them with Page Up and Page Down.
constexpr int phaseStep = 5;

QSpinBox *addSpinBox(QHBoxLayout &row, const QString &label, const QString &name, int lowest, int highest)
{
    auto *box = new QSpinBox;
    box->setRange(lowest, highest);
    box->setAccessibleName(name);
    box->setToolTip(valueKeys.arg(name));
    auto *caption = new QLabel(label);
    caption->setBuddy(box);
    row.addWidget(caption);
    row.addWidget(box);
    return box;
}

} // namespace

FigureControls::FigureControls(ViewState &state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins({});
    m_a = addSpinBox(*row, aLabel, aName, figure::Frequencies::lowest, figure::Frequencies::highest);
    m_b = addSpinBox(*row, bLabel, bName, figure::Frequencies::lowest, figure::Frequencies::highest);
    m_phase = addSpinBox(*row, phaseLabel, phaseName, figure::Phase::lowestDegrees, figure::Phase::highestDegrees);
    // Round and round, as a phase is.
    m_phase->setWrapping(true);
    m_phase->setSingleStep(phaseStep);
    m_phase->setSuffix(degreesSuffix);
    const auto frequencies = [this] { m_state.setFrequencies({m_a->value(), m_b->value()}, ViewState::Mover::User); };
    for (QSpinBox *box : {m_a, m_b})
        connect(box, &QSpinBox::valueChanged, &m_state, frequencies);
    connect(m_phase, &QSpinBox::valueChanged, &m_state,
            [this](int degrees) { m_state.setPhaseDegrees(degrees, ViewState::Mover::User); });
    connect(&m_state, &ViewState::figureChanged, this, &FigureControls::showState);
    showState();
}

void FigureControls::showState()
{
    // Quietly: what the state says is no change of the user's.
    const QSignalBlocker blockA(m_a);
    const QSignalBlocker blockB(m_b);
    const QSignalBlocker blockPhase(m_phase);
    m_a->setValue(m_state.frequencies().a);
    m_b->setValue(m_state.frequencies().b);
    m_phase->setValue(figure::Phase::wholeDegrees(m_state.phaseDegrees()));
}

} // namespace closeup

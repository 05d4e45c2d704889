#include "FigureControls.h"

#include "CloseUpTexts.h"
#include "Phase.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>

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

FigureControls::FigureControls(QWidget *parent)
    : QWidget(parent)
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
    connect(m_phase, &QSpinBox::valueChanged, this, [this] { m_phaseChosen = true; });
    for (QSpinBox *box : {m_a, m_b, m_phase})
        connect(box, &QSpinBox::valueChanged, this, &FigureControls::changed);
}

figure::FrequencyPair FigureControls::frequencies() const
{
    return {m_a->value(), m_b->value()};
}

double FigureControls::phaseDegrees() const
{
    return m_phase->value();
}

void FigureControls::setValues(figure::FrequencyPair frequencies, double phaseDegrees)
{
    const QSignalBlocker blockA(m_a);
    const QSignalBlocker blockB(m_b);
    const QSignalBlocker blockPhase(m_phase);
    m_a->setValue(frequencies.a);
    m_b->setValue(frequencies.b);
    m_phase->setValue(figure::Phase::wholeDegrees(phaseDegrees));
    m_phaseChosen = false;
}

} // namespace closeup

#include "SheetDialog.h"

#include "PairList.h"
#include "SheetHeading.h"
#include "SheetTexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace sheet {

namespace {

using figure::Frequencies;
using figure::Phase;

// A quiz of four rows of three.
constexpr int startingCount = 12;
constexpr int largestSeed = int(Worksheet::proposedSeeds) - 1;
// Room for a title or a row of pairs without scrolling.
constexpr int fieldCharacters = 36;

QSpinBox *spinBox(int lowest, int highest, int value, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

} // namespace

SheetDialog::SheetDialog(figure::FrequencyPair current, double phaseDegrees, QWidget *parent)
    : QDialog(parent)
    , m_random(new QRadioButton(randomChoice, this))
    , m_count(spinBox(Worksheet::fewestFigures, Worksheet::mostFigures, startingCount, this))
    , m_seed(spinBox(0, largestSeed, int(QRandomGenerator::global()->bounded(largestSeed + 1)), this))
    , m_chosen(new QRadioButton(chosenChoice, this))
    , m_pairs(new QLineEdit(pairlist::text({current}), this))
    , m_phase(spinBox(Phase::lowestDegrees, Phase::highestDegrees, Phase::wholeDegrees(phaseDegrees), this))
    , m_title(new QLineEdit(defaultTitle, this))
    , m_withKey(new QCheckBox(keyChoice, this))
    , m_problem(new QLabel(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(dialogTitle);
    m_random->setChecked(true);
    // The key is asked for, never printed for a class by chance.
    m_withKey->setChecked(false);
    m_seed->setToolTip(seedHint);
    // The pairs' field stands under its choice, with no label of its own.
    m_pairs->setAccessibleName(pairsName);
    m_pairs->setToolTip(pairsHint.arg(Worksheet::fewestFigures).arg(Worksheet::mostFigures).arg(Frequencies::lowest).arg(Frequencies::highest));
    m_phase->setSuffix(QStringLiteral("°"));
    // The pairs are the user's text, never markup.
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    m_buttons->button(QDialogButtonBox::Ok)->setText(previewButton);
    for (QLineEdit *field : {m_pairs, m_title})
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * fieldCharacters);
    layOut();

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_random, &QRadioButton::toggled, this, &SheetDialog::check);
    connect(m_pairs, &QLineEdit::textChanged, this, &SheetDialog::check);
    connect(m_title, &QLineEdit::textChanged, this, &SheetDialog::check);
    // Typing pairs means choosing them.
    connect(m_pairs, &QLineEdit::textEdited, m_chosen, [this] { m_chosen->setChecked(true); });
    check();
}

void SheetDialog::layOut()
{
    auto *form = new QFormLayout;
    form->addRow(m_random);
    form->addRow(countLabel, m_count);
    form->addRow(seedLabel, m_seed);
    form->addRow(m_chosen);
    form->addRow(m_pairs);
    form->addRow(phaseLabel, m_phase);
    form->addRow(titleLabel, m_title);
    form->addRow(m_withKey);
    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(m_problem);
    column->addWidget(m_buttons);
}

std::optional<Worksheet> SheetDialog::worksheet() const
{
    Worksheet sheet{.phaseDegrees = double(m_phase->value()), .title = titleFrom(m_title->text()),
                    .withKey = m_withKey->isChecked()};
    if (!SheetHeading::holds(sheet.title))
        return std::nullopt;
    if (m_random->isChecked()) {
        sheet.seed = std::uint32_t(m_seed->value());
        return pairlist::withRandomPairs(sheet, m_count->value());
    }
    sheet.pairs = pairlist::parse(m_pairs->text()).pairs;
    if (!Worksheet::takes(int(sheet.pairs.size())))
        return std::nullopt;
    return sheet;
}

void SheetDialog::check()
{
    QString problem;
    if (m_chosen->isChecked()) {
        const pairlist::Parsed parsed = pairlist::parse(m_pairs->text());
        if (!parsed.wrongItem.isEmpty())
            // Filled in one call: the item is the user's, and a % in it is no place marker.
            problem = notAPair.arg(parsed.wrongItem, QString::number(Frequencies::lowest),
                                   QString::number(Frequencies::highest));
        else if (parsed.pairs.empty())
            problem = noPairs;
        else if (!Worksheet::takes(int(parsed.pairs.size())))
            problem = tooManyPairs.arg(Worksheet::mostFigures);
    }
    const QString title = titleFrom(m_title->text());
    if (problem.isEmpty() && !SheetHeading::holds(title))
        problem = titleTooLong.arg(SheetHeading::lengthOf(title)).arg(SheetHeading::longestTitle);
    m_count->setEnabled(m_random->isChecked());
    m_seed->setEnabled(m_random->isChecked());
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

} // namespace sheet

#pragma once

#include "Frequencies.h"
#include "Worksheet.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace sheet {

// Asks what a worksheet holds: how many random figures and from which seed, or
// which pairs; the phase; the title; and whether a key follows. It offers the preview
// only while the answers make a sheet, saying what is wrong otherwise.
class SheetDialog : public QDialog {
    Q_OBJECT

public:
    // Starting from the figure shown and its phase.
    SheetDialog(figure::FrequencyPair current, double phaseDegrees, QWidget *parent = nullptr);

    // The sheet asked for, or nothing while the answers make none.
    std::optional<Worksheet> worksheet() const;

private:
    void layOut();
    void check();

    QRadioButton *m_random;
    QSpinBox *m_count;
    QSpinBox *m_seed;
    QRadioButton *m_chosen;
    QLineEdit *m_pairs;
    QSpinBox *m_phase;
    QLineEdit *m_title;
    QCheckBox *m_withKey;
    QLabel *m_problem;
    QDialogButtonBox *m_buttons;
};

} // namespace sheet

#include "CloseUpView.h"

#include "Accessibility.h"
#include "Announcer.h"
#include "CloseUpTexts.h"
#include "Curve.h"
#include "Drift.h"
#include "FigureCanvas.h"
#include "FigureControls.h"
#include "FigurePalette.h"
#include "FigureWords.h"
#include "Lissajous.h"
#include "Offer.h"
#include "PictureTexts.h"
#include "InputControls.h"
#include "SignalWords.h"
#include "SoundControls.h"
#include "TraceCanvas.h"
#include "TouchPoints.h"

#include <QAction>
#include <QActionEvent>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace closeup {

namespace {

// The size the view opens at, a little taller than wide for the caption.
constexpr QSize openingSize(720, 800);
// The text grows with the view, to be read on a projector: a point for every 45
// pixels of height, within sizes that stay readable and fit.
constexpr double pixelsPerPoint = 45;
constexpr double smallestPoints = 11;
constexpr double largestPoints = 32;
// The reading's digits stand this share of the view's height in ink, not in the font's
// nominal size (56 pixels on a 1080-line projector, where a twentieth would do), and
// are never smaller than the rest of the text.
constexpr double readingInkShare = 0.052;
constexpr auto digits = "0123456789";
// The size at which the font's digits are measured, large enough to measure well.
constexpr int measuringPixels = 200;
// A tick box's square is this share of its text's line.
constexpr double indicatorShare = 0.8;
// The rows of text and controls stand close together: every pixel they leave goes to
// the figure, which on a 1080-line projector must stay over half the height.
constexpr int rowSpacing = 0;
// The drift's mismatch in hertz to three figures: 0,1 Hz or 0,333 Hz.
constexpr int mismatchDigits = 3;

} // namespace

CloseUpView::CloseUpView(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_state(new ViewState(this))
    , m_canvas(new FigureCanvas(*m_state, this))
    , m_counts(new QLabel(this))
    , m_reading(new QLabel(this))
    , m_controls(new FigureControls(*m_state, this))
    , m_drifting(new QCheckBox(driftText, this))
    , m_turnLabel(new QLabel(turnLabel, this))
    , m_turnSeconds(new QSpinBox(this))
    , m_drift(new Drift(*m_state, this))
    , m_oscillations(new QCheckBox(oscillationsText, this))
    , m_run(new Drift(*m_state, this))
    , m_announcer(new forms::Announcer(this))
    , m_showDots(new QCheckBox(showDotsText.arg(figure::Lissajous::dotCount), this))
    , m_sound(new SoundControls(*m_state, *m_announcer, this))
    , m_input(new InputControls(*m_announcer, this))
    , m_trace(new TraceCanvas(*m_input, this))
{
    setWindowTitle(viewTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    // The view sets its own look, not the designed window's: the system's, on paper.
    setFont(QFont());
    QPalette paper;
    paper.setColor(QPalette::Window, picture::FigurePalette::paper);
    setPalette(paper);
    setAutoFillBackground(true);

    setUpCaption();
    layOut();
    setUpMotion();
    // Space starts and stops the drift from the values too.
    for (QAbstractSpinBox *value : findChildren<QAbstractSpinBox *>())
        value->installEventFilter(this);
    connect(m_showDots, &QCheckBox::toggled, m_canvas, &FigureCanvas::setShowDots);
    connect(m_state, &ViewState::figureChanged, this, &CloseUpView::followFigure);
    // The sound's line in the caption comes and goes with it, and names the drift.
    const auto soundChanged = [this] {
        if (m_state->hasFigure()) {
            const figure::FrequencyPair frequencies = m_state->frequencies();
            showCaption(figure::TouchPoints(frequencies.a, frequencies.b, m_state->phaseDegrees()));
        }
    };
    connect(m_sound, &SoundControls::soundingChanged, this, soundChanged);
    connect(m_state, &ViewState::driftingChanged, this, soundChanged);
    connect(m_state, &ViewState::turnSecondsChanged, this, soundChanged);
    connect(m_input, &InputControls::switched, this, &CloseUpView::followInput);
    // A held trace keeps the reading it was held with.
    connect(m_input, &InputControls::read, this, [this] {
        if (!m_trace->isFrozen())
            showInputReading();
    });

    resize(openingSize);
    followFigure(ViewState::Mover::Window);
}

void CloseUpView::setUpCaption()
{
    m_counts->setAlignment(Qt::AlignCenter);
    m_counts->setWordWrap(true);
    // Its text can be selected with the mouse; clicked, it takes the focus (but is
    // no Tab stop), and a copy there takes the selected text, not the picture.
    m_counts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_counts->setFocusPolicy(Qt::ClickFocus);
    m_counts->installEventFilter(this);
    m_counts->setAccessibleName(countsName);
    m_reading->setAlignment(Qt::AlignCenter);
    m_reading->setAccessibleName(readingName);
    forms::makeGraphic(*m_canvas);
    m_canvas->setAccessibleName(picture::figureName);
    forms::makeGraphic(*m_trace);
    m_trace->setAccessibleName(picture::figureName);
    m_trace->hide();
}

void CloseUpView::layOut()
{
    // The figure takes what room the text leaves: the values and the drift in a row,
    // what else to show in another, the sound in a third. The rows stand close; the
    // controls in a row keep the style's spacing.
    m_turnLabel->setBuddy(m_turnSeconds);
    auto *layout = new QVBoxLayout(this);
    const int controlSpacing = layout->spacing();
    layout->setSpacing(rowSpacing);
    const auto centredRow = [controlSpacing](std::initializer_list<QWidget *> widgets) {
        auto *row = new QHBoxLayout;
        row->setSpacing(controlSpacing);
        row->addStretch();
        for (QWidget *widget : widgets)
            row->addWidget(widget);
        row->addStretch();
        return row;
    };
    layout->addWidget(m_canvas, 1);
    layout->addWidget(m_trace, 1);
    layout->addWidget(m_counts);
    layout->addWidget(m_reading);
    layout->addLayout(centredRow({m_controls, m_drifting, m_turnLabel, m_turnSeconds}));
    layout->addLayout(centredRow({m_oscillations, m_showDots}));
    layout->addLayout(centredRow({m_sound, m_input->inputSwitch()}));
    layout->addLayout(centredRow({m_input}));
}

void CloseUpView::setUpMotion()
{
    m_turnSeconds->setRange(Drift::fastestTurnSeconds, Drift::slowestTurnSeconds);
    m_turnSeconds->setValue(m_state->turnSeconds());
    m_turnSeconds->setSuffix(secondsSuffix);
    m_turnSeconds->setAccessibleName(turnName);
    m_turnSeconds->setToolTip(valueKeys.arg(turnName));
    // The boxes show the state and change it; the drifts take their speed from it.
    m_drifting->setChecked(m_state->drifting());
    m_oscillations->setChecked(m_state->showsOscillations());
    connect(m_turnSeconds, &QSpinBox::valueChanged, m_state, &ViewState::setTurnSeconds);
    connect(m_state, &ViewState::turnSecondsChanged, m_turnSeconds, &QSpinBox::setValue);
    connect(m_drifting, &QCheckBox::toggled, m_state, &ViewState::setDrifting);
    connect(m_state, &ViewState::driftingChanged, m_drifting, &QCheckBox::setChecked);
    connect(m_state, &ViewState::driftingChanged, this, &CloseUpView::followDrift);
    connect(m_drift, &Drift::advanced, this, &CloseUpView::drift);
    connect(m_oscillations, &QCheckBox::toggled, m_state, &ViewState::setShowingOscillations);
    connect(m_state, &ViewState::oscillationsChanged, m_oscillations, &QCheckBox::setChecked);
    connect(m_state, &ViewState::oscillationsChanged, this, &CloseUpView::followOscillations);
    connect(m_run, &Drift::advanced, this, &CloseUpView::runPoint);
}

void CloseUpView::showFigure(figure::FrequencyPair frequencies)
{
    m_state->showFigure(frequencies, figure::Phase::windowDegrees, ViewState::Mover::Window);
}

void CloseUpView::showNoFigure()
{
    m_state->showNoFigure();
}

void CloseUpView::followFigure(ViewState::Mover mover)
{
    if (m_showsRecording && mover != ViewState::Mover::Drift) {
        m_showsRecording = false;
        m_trace->hide();
        m_canvas->show();
    }
    if (!m_state->hasFigure()) {
        if (!m_input->isOn() && !m_showsRecording) {
            m_counts->setText(picture::noFigureExplained);
            m_reading->clear();
        }
        m_canvas->setAccessibleDescription(picture::noFigure);
        offerFigureActions(false);
        return;
    }
    const figure::FrequencyPair frequencies = m_state->frequencies();
    const figure::TouchPoints touches(frequencies.a, frequencies.b, m_state->phaseDegrees());
    if (!m_input->isOn() && !m_showsRecording) {
        showCaption(touches);
        m_reading->setText(picture::readingLine(touches));
    }
    // At each step of the drift the picture and its caption only, and nothing a screen
    // reader would be told of: that waits until the figure stands. A draw is told of
    // by the window; the keys change the figure, which is said at once.
    if (mover != ViewState::Mover::Drift)
        describe(touches, mover == ViewState::Mover::User);
}

void CloseUpView::showCaption(const figure::TouchPoints &touches)
{
    if (m_input->isOn() || m_showsRecording)
        return;
    QString caption = picture::frequenciesLine(m_state->frequencies(), m_state->phaseDegrees()) + QLatin1Char('\n')
                      + picture::touchesLine(touches);
    const QString sound = soundCaption();
    if (!sound.isEmpty())
        caption += QLatin1Char('\n') + sound;
    m_counts->setText(caption);
}

QString CloseUpView::soundCaption() const
{
    const std::optional<sound::Tones> tones = m_sound->sounding();
    if (!tones)
        return {};
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    QString line = soundLine.arg(bulgarian.toString(tones->leftHertz()), bulgarian.toString(tones->rightHertz()));
    // One turn of the phase in T seconds is a mismatch of 1/T hertz.
    if (m_state->drifting())
        line += mismatchLine.arg(bulgarian.toString(1.0 / m_state->turnSeconds(), 'g', mismatchDigits),
                                 bulgarian.toString(m_state->turnSeconds()));
    return line;
}

void CloseUpView::followDrift(bool on)
{
    if (on) {
        m_drift->start(screen());
        return;
    }
    m_drift->stop();
    // Where it stands, said once it stands; a figure that goes is no place for it.
    if (m_state->hasFigure()) {
        const figure::FrequencyPair frequencies = m_state->frequencies();
        describe(figure::TouchPoints(frequencies.a, frequencies.b, m_state->phaseDegrees()), true);
    }
}

void CloseUpView::describe(const figure::TouchPoints &touches, bool aloud)
{
    const QString description = picture::viewDescription(m_state->frequencies(), m_state->phaseDegrees(), touches);
    m_canvas->setAccessibleDescription(description);
    offerFigureActions(true);
    // Wherever the focus is.
    if (aloud)
        m_announcer->announce(description);
}

void CloseUpView::toggleDrift()
{
    // While the input runs, Space holds its trace still for counting.
    if (m_input->isOn()) {
        m_trace->setFrozen(!m_trace->isFrozen());
        showInputReading();
        if (m_trace->isFrozen())
            m_announcer->announce(frozenTrace);
        return;
    }
    if (m_state->hasFigure())
        m_state->setDrifting(!m_state->drifting());
}

void CloseUpView::showRecording(const picture::FigurePainter::Signal &recording)
{
    m_input->switchOff();
    m_showsRecording = true;
    m_canvas->hide();
    m_trace->show();
    m_trace->hold(recording.points);
    offerFigureActions(m_state->hasFigure());
    // Its measures in the caption's place, its fraction large in the reading's.
    m_counts->setText(recording.caption.section(QLatin1Char('\n'), 0, 0));
    m_reading->setText(recording.caption.section(QLatin1Char('\n'), 1));
    m_trace->setAccessibleDescription(recording.description);
    m_announcer->announce(recording.description);
}

void CloseUpView::followInput(bool on)
{
    m_showsRecording = false;
    m_trace->setFrozen(false);
    m_canvas->setVisible(!on);
    m_trace->setVisible(on);
    m_spokenFraction.reset();
    offerFigureActions(m_state->hasFigure());
    if (on)
        return showInputReading();
    followFigure(ViewState::Mover::Window);
}

void CloseUpView::showInputReading()
{
    const std::optional<sound::SignalReading> &reading = m_input->reading();
    if (!m_input->isOn())
        return;
    if (!reading) {
        m_counts->setText(inputName);
        m_reading->clear();
        return;
    }
    QStringList lines{inputName + QStringLiteral(": ") + picture::signalFrequencies(*reading)};
    if (const QString mismatch = picture::mismatchLine(*reading); !mismatch.isEmpty())
        lines.back() += QStringLiteral("; ") + mismatch;
    if (reading->fraction)
        lines += picture::touchesLine(figure::TouchPoints(reading->fraction->a, reading->fraction->b));
    if (m_trace->isFrozen())
        lines += frozenTrace;
    m_counts->setText(lines.join(QLatin1Char('\n')));
    m_reading->setText(picture::fractionLine(*reading));
    const QString description = picture::inputDescription(*reading);
    m_trace->setAccessibleDescription(description);
    // Said when the fraction changes, never at each reading.
    if (reading->fraction != m_spokenFraction) {
        m_spokenFraction = reading->fraction;
        if (reading->fraction)
            m_announcer->announce(description);
    }
}

void CloseUpView::followOscillations(bool on)
{
    if (on) {
        m_canvas->setRunningPoint(m_pointTime);
        m_run->start(screen());
    } else {
        m_run->stop();
        m_canvas->setRunningPoint(std::nullopt);
    }
}

void CloseUpView::runPoint(double degrees)
{
    const double period = figure::Curve::period;
    m_pointTime = std::fmod(m_pointTime + degrees / figure::Phase::turnDegrees * period, period);
    m_canvas->setRunningPoint(m_pointTime);
}

void CloseUpView::drift(double degrees)
{
    if (m_state->hasFigure())
        m_state->setPhaseDegrees(std::fmod(m_state->phaseDegrees() + degrees, figure::Phase::turnDegrees),
                                 ViewState::Mover::Drift);
}

void CloseUpView::offerFigureActions(bool enabled)
{
    // What takes the figure out takes the formula's: not while a trace stands in its place.
    const bool figureShown = !m_input->isOn() && !m_showsRecording;
    for (QAction *action : actions())
        if (!action->property(needsNoFigure).toBool())
            forms::offer(*action, enabled && figureShown, enabled ? traceInPlace : picture::noFigureExplained);
    forms::offer(*m_controls, enabled, picture::noFigureExplained);
    forms::offer(*m_drifting, enabled, picture::noFigureExplained, driftKeys);
    forms::offer(*m_oscillations, enabled, picture::noFigureExplained, oscillationsHint);
    m_sound->offer(enabled, picture::noFigureExplained);
    // The program's dots lie on the window's own figure only.
    const bool dotsOnFigure = enabled && figure::Phase::isWindow(m_state->phaseDegrees());
    forms::offer(*m_showDots, dotsOnFigure,
                 enabled ? dotsOnlyAtWindowPhase.arg(figure::Phase::windowDegrees) : picture::noFigureExplained);
}

void CloseUpView::actionEvent(QActionEvent *event)
{
    QWidget::actionEvent(event);
    if (event->type() == QEvent::ActionAdded)
        offerFigureActions(m_state->hasFigure());
}

const picture::FigurePainter *CloseUpView::figure() const
{
    return m_canvas->figure();
}

bool CloseUpView::showsDots() const
{
    return m_canvas->showsDots();
}

double CloseUpView::worksheetPhaseDegrees() const
{
    return m_state->phaseChosen() ? m_state->phaseDegrees() : figure::Phase::windowDegrees;
}

bool CloseUpView::eventFilter(QObject *watched, QEvent *event)
{
    // Space starts and stops the drift from the values too, which take no blanks.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space
        && qobject_cast<QAbstractSpinBox *>(watched)) {
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
            toggleDrift();
        return true;
    }
    const bool copy = watched == m_counts && m_counts->hasSelectedText()
                      && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
                      && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy);
    if (!copy)
        return QWidget::eventFilter(watched, event);
    // Overriding the view's own Ctrl+C, which copies the picture.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        QGuiApplication::clipboard()->setText(m_counts->selectedText());
    return true;
}

void CloseUpView::setFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    // Where no window manager makes a full-screen window cover the screen, the view
    // takes the screen's size itself, and its own size back afterwards.
    if (on) {
        m_normalGeometry = geometry();
        setGeometry(screen()->geometry());
        showFullScreen();
    } else {
        showNormal();
        if (m_normalGeometry.isValid())
            setGeometry(m_normalGeometry);
    }
}

void CloseUpView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            toggleDrift();
        break;
    case Qt::Key_F11:
        setFullScreen(!isFullScreen());
        break;
    case Qt::Key_Escape:
        if (isFullScreen())
            setFullScreen(false);
        else
            close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CloseUpView::resizeEvent(QResizeEvent *event)
{
    QFont large = font();
    large.setPointSizeF(std::clamp(height() / pixelsPerPoint, smallestPoints, largestPoints));
    for (QWidget *text :
         std::initializer_list<QWidget *>{m_counts, m_controls, m_drifting, m_turnLabel, m_turnSeconds,
                                          m_oscillations, m_showDots, m_sound, m_input})
        text->setFont(large);
    // The tick boxes' squares grow with their words, which the style alone leaves small.
    const QString indicator = QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }")
                                  .arg(int(QFontMetricsF(large).height() * indicatorShare));
    // A box with a style sheet of its own no longer takes its parent's font: each is told.
    for (QCheckBox *box : findChildren<QCheckBox *>()) {
        box->setStyleSheet(indicator);
        box->setFont(large);
    }
    QFont reading = font();
    reading.setBold(true);
    reading.setPixelSize(measuringPixels);
    // Measured on the shortest digit: round ones overshoot the flat ones' height.
    const QFontMetricsF measured(reading);
    double shortestInk = measuringPixels;
    for (const char digit : std::string_view(digits))
        shortestInk = std::min(shortestInk, measured.tightBoundingRect(QString(QLatin1Char(digit))).height());
    const double inkPerPixel = shortestInk / measuringPixels;
    const int readingPixels = int(std::ceil(height() * readingInkShare / inkPerPixel));
    reading.setPixelSize(std::max(QFontInfo(large).pixelSize(), readingPixels));
    m_reading->setFont(reading);
    QWidget::resizeEvent(event);
}

} // namespace closeup

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

#include <QAction>
#include <QActionEvent>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
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

} // namespace

CloseUpView::CloseUpView(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_canvas(new FigureCanvas(this))
    , m_counts(new QLabel(this))
    , m_reading(new QLabel(this))
    , m_controls(new FigureControls(this))
    , m_drifting(new QCheckBox(driftText, this))
    , m_turnLabel(new QLabel(turnLabel, this))
    , m_turnSeconds(new QSpinBox(this))
    , m_drift(new Drift(this))
    , m_oscillations(new QCheckBox(oscillationsText, this))
    , m_run(new Drift(this))
    , m_announcer(new forms::Announcer(this))
    , m_showDots(new QCheckBox(showDotsText.arg(figure::Lissajous::dotCount), this))
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
    connect(m_controls, &FigureControls::changed, this, &CloseUpView::followControls);

    resize(openingSize);
    showNoFigure();
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
}

void CloseUpView::layOut()
{
    // The figure takes what room the text leaves: the values and the drift in a row,
    // what else to show in another.
    const auto centredRow = [](std::initializer_list<QWidget *> widgets) {
        auto *row = new QHBoxLayout;
        row->addStretch();
        for (QWidget *widget : widgets)
            row->addWidget(widget);
        row->addStretch();
        return row;
    };
    m_turnLabel->setBuddy(m_turnSeconds);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_canvas, 1);
    layout->addWidget(m_counts);
    layout->addWidget(m_reading);
    layout->addLayout(centredRow({m_controls, m_drifting, m_turnLabel, m_turnSeconds}));
    layout->addLayout(centredRow({m_oscillations, m_showDots}));
}

void CloseUpView::setUpMotion()
{
    m_turnSeconds->setRange(Drift::fastestTurnSeconds, Drift::slowestTurnSeconds);
    m_turnSeconds->setValue(Drift::defaultTurnSeconds);
    m_turnSeconds->setSuffix(secondsSuffix);
    m_turnSeconds->setAccessibleName(turnName);
    m_turnSeconds->setToolTip(valueKeys.arg(turnName));
    // The running point goes round at the drift's speed.
    for (Drift *motion : {m_drift, m_run})
        connect(m_turnSeconds, &QSpinBox::valueChanged, motion, &Drift::setTurnSeconds);
    connect(m_drifting, &QCheckBox::toggled, this, &CloseUpView::setDrifting);
    connect(m_drift, &Drift::advanced, this, &CloseUpView::drift);
    connect(m_oscillations, &QCheckBox::toggled, this, &CloseUpView::setShowingOscillations);
    connect(m_run, &Drift::advanced, this, &CloseUpView::runPoint);
}

void CloseUpView::showFigure(const picture::FigurePainter &figure)
{
    m_controls->setValues(figure.frequencies(), figure.phaseDegrees());
    display(figure);
}

void CloseUpView::followControls()
{
    display(picture::FigurePainter(m_controls->frequencies(), m_controls->phaseDegrees()));
    // Said at once, wherever the focus is: the keys change the figure, not the values.
    m_announcer->announce(m_canvas->accessibleDescription());
}

void CloseUpView::setDrifting(bool on)
{
    if (on) {
        m_drift->start(screen());
        return;
    }
    m_drift->stop();
    // It stands at the whole degree its value shows, and says so once it stands.
    if (figure()) {
        display(picture::FigurePainter(m_controls->frequencies(), m_controls->phaseDegrees()));
        m_announcer->announce(m_canvas->accessibleDescription());
    }
}

void CloseUpView::toggleDrift()
{
    if (m_drifting->isEnabled())
        m_drifting->toggle();
}

void CloseUpView::stopMoving()
{
    // Quietly: a figure that goes is no place to say where the drift stopped.
    const QSignalBlocker driftBox(m_drifting);
    const QSignalBlocker oscillationsBox(m_oscillations);
    m_drifting->setChecked(false);
    m_oscillations->setChecked(false);
    m_drift->stop();
    m_run->stop();
    m_canvas->setRunningPoint(std::nullopt);
}

void CloseUpView::setShowingOscillations(bool on)
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
    const picture::FigurePainter *shown = figure();
    if (!shown)
        return;
    const double turn = figure::Phase::turnDegrees;
    const double phase = std::fmod(shown->phaseDegrees() + degrees, turn);
    const picture::FigurePainter next(shown->frequencies(), phase);
    m_controls->setValues(next.frequencies(), phase);
    // Each frame the picture and its caption, and nothing a screen reader would be
    // told of: that waits until the figure stands.
    showCaption(next);
    m_canvas->setFigure(next);
}

void CloseUpView::showCaption(const picture::FigurePainter &figure)
{
    m_counts->setText(picture::frequenciesLine(figure.frequencies(), figure.phaseDegrees()) + QLatin1Char('\n')
                      + picture::touchesLine(figure.touches()));
    m_reading->setText(picture::readingLine(figure.touches()));
}

void CloseUpView::display(const picture::FigurePainter &figure)
{
    showCaption(figure);
    m_canvas->setFigure(figure);
    m_canvas->setAccessibleDescription(picture::viewDescription(figure.frequencies(), figure.phaseDegrees(), figure.touches()));
    offerFigureActions(true);
}

void CloseUpView::showNoFigure()
{
    m_counts->setText(picture::noFigureExplained);
    m_reading->clear();
    m_canvas->setFigure(std::nullopt);
    m_canvas->setAccessibleDescription(picture::noFigure);
    offerFigureActions(false);
}

void CloseUpView::offerFigureActions(bool enabled)
{
    for (QAction *action : actions())
        forms::offer(*action, enabled, picture::noFigureExplained);
    forms::offer(*m_controls, enabled, picture::noFigureExplained);
    forms::offer(*m_drifting, enabled, picture::noFigureExplained, driftKeys);
    forms::offer(*m_oscillations, enabled, picture::noFigureExplained, oscillationsHint);
    if (!enabled)
        stopMoving();
    // The program's dots lie on the window's own figure only.
    const bool dotsOnFigure = enabled && figure()->isWindowFigure();
    forms::offer(*m_showDots, dotsOnFigure,
                 enabled ? dotsOnlyAtWindowPhase.arg(figure::Phase::windowDegrees) : picture::noFigureExplained);
}

void CloseUpView::actionEvent(QActionEvent *event)
{
    QWidget::actionEvent(event);
    if (event->type() == QEvent::ActionAdded)
        offerFigureActions(figure() != nullptr);
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
    return m_controls->phaseChosen() ? m_controls->phaseDegrees() : figure::Phase::windowDegrees;
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
                                          m_oscillations, m_showDots})
        text->setFont(large);
    // The tick boxes' squares grow with their words, which the style alone leaves small.
    const QString indicator = QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }")
                                  .arg(int(QFontMetricsF(large).height() * indicatorShare));
    for (QCheckBox *box : {m_drifting, m_oscillations, m_showDots})
        box->setStyleSheet(indicator);
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

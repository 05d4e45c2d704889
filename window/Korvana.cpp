#include "Korvana.h"

#include "ExportActions.h"
#include "ExportTexts.h"
#include "FigureError.h"
#include "FigureGeometry.h"
#include "FigurePainter.h"
#include "FigureWords.h"
#include "FrequencyText.h"
#include "KorvanaDesign.h"
#include "KorvanaTexts.h"
#include "Lissajous.h"
#include "Offer.h"
#include "PictureTexts.h"
#include "SheetPrinting.h"
#include "SheetTexts.h"
#include "TouchPoints.h"

#include <QAction>
#include <QImage>
#include <QPointer>
#include <QShortcut>

namespace {

// The plot area's dots and paper, black on white.
constexpr forms::Rgb dotColour{0, 0, 0};
constexpr forms::Rgb plotPaper{255, 255, 255};
// The frequencies the lists start at: a figure that shows its three touches at once.
constexpr figure::FrequencyPair startingPair{1, 3};
// A printed sheet, next to Ctrl+P for the printed figure.
constexpr QKeyCombination worksheetKeys = Qt::CTRL | Qt::SHIFT | Qt::Key_P;

double selectedFrequency(const forms::ListBox &list)
{
    return figure::frequencyFromText(list.itemText(list.listIndex()));
}

} // namespace

Korvana::Korvana(QWidget *parent)
    : forms::Form(korvanaDesign(), parent)
    , Picture1(control<forms::PictureBox>("Picture1"))
    , List1(controlArray<forms::ListBox>("List1"))
    , Command1(controlArray<forms::CommandButton>("Command1"))
    , m_closeUp(this)
{
    onClick(Command1, [this](std::int16_t index) { Command1_Click(index); });

    // The plot area's context menu: a closer look, and its picture copied or saved.
    addHandledAction(Picture1, closeUpAction, &Korvana::lookCloser);
    m_pictureActions = {addHandledAction(Picture1, figureexport::copyText, &Korvana::copyPicture),
                        addHandledAction(Picture1, figureexport::saveText, &Korvana::savePicture)};
    forms::offerActionsMenu(Picture1);
    connect(&Picture1, &forms::PictureBox::activated, this, &Korvana::lookCloser);
    connect(new QShortcut(QKeySequence(Qt::Key_F11), this), &QShortcut::activated, this,
            &Korvana::lookCloserFullScreen);
    connect(&m_closeUp, &closeup::CloseUp::viewOpened, this, &Korvana::offerExportsIn);
}

QAction *Korvana::addHandledAction(QWidget &widget, const QString &text, void (Korvana::*slot)(),
                            const QKeySequence &shortcut)
{
    auto *action = new QAction(text, &widget);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, slot] { runHandler([this, slot] { (this->*slot)(); }); });
    widget.addAction(action);
    return action;
}

void Korvana::offerExportsIn(closeup::CloseUpView *view)
{
    addHandledAction(*view, figureexport::copyText, &Korvana::copyFigure, QKeySequence::Copy);
    addHandledAction(*view, figureexport::saveText, &Korvana::saveFigure, QKeySequence::Save);
    addHandledAction(*view, figureexport::printText, &Korvana::printFigure, QKeySequence::Print);
    addHandledAction(*view, sheet::actionText, &Korvana::makeWorksheet, worksheetKeys);
    // A recording needs no figure: on whatever the view shows.
    QAction *openRecording = addHandledAction(*view, figureexport::openRecordingText, &Korvana::openRecording,
                                              QKeySequence::Open);
    openRecording->setProperty(closeup::CloseUpView::needsNoFigure, true);
    forms::offer(*openRecording, true, {});
    forms::offerActionsMenu(*view);
}

void Korvana::lookCloser()
{
    m_closeUp.open(closeup::CloseUp::Mode::Windowed);
}

void Korvana::lookCloserFullScreen()
{
    m_closeUp.open(closeup::CloseUp::Mode::FullScreen);
}

void Korvana::copyPicture()
{
    figureexport::ExportActions::copyPicture(this, Picture1.image().copy());
}

void Korvana::savePicture()
{
    figureexport::ExportActions::savePicture(this, Picture1.image().copy(),
                                             figureexport::ExportActions::suggestedPath(m_closeUp.frequencies()));
}

void Korvana::copyFigure()
{
    onViewFigure(&figureexport::ExportActions::copyFigure);
}

void Korvana::saveFigure()
{
    onViewFigure(&figureexport::ExportActions::saveFigure);
}

void Korvana::printFigure()
{
    onViewFigure(&figureexport::ExportActions::printFigure);
}

void Korvana::makeWorksheet()
{
    closeup::CloseUpView *view = m_closeUp.view();
    if (view && view->state().hasFigure())
        sheet::SheetPrinting::makeSheet(view, view->state().frequencies(), view->worksheetPhaseDegrees());
}

void Korvana::openRecording()
{
    // The view may be closed while the file dialog runs.
    const QPointer<closeup::CloseUpView> view = m_closeUp.view();
    if (!view)
        return;
    const std::optional<picture::FigurePainter::Signal> recording = figureexport::ExportActions::openRecording(view);
    if (recording && view)
        view->showRecording(*recording);
}

void Korvana::onViewFigure(void (*act)(QWidget *, const picture::FigurePainter &, bool))
{
    closeup::CloseUpView *view = m_closeUp.view();
    if (const picture::FigurePainter *figure = view ? view->figure() : nullptr)
        act(view, *figure, view->showsDots());
}

std::optional<forms::RuntimeError> Korvana::runtimeErrorFor(const std::exception &error) const
{
    const auto *figureError = dynamic_cast<const figure::FigureError *>(&error);
    if (!figureError)
        return std::nullopt;
    switch (figureError->kind()) {
    case figure::FigureError::Kind::TypeMismatch:
        return forms::RuntimeError::typeMismatch();
    case figure::FigureError::Kind::Overflow:
        return forms::RuntimeError::overflow();
    }
    Q_UNREACHABLE();
}

void Korvana::load()
{
    List1[listX].setListIndex(std::int16_t(startingPair.a - figure::Frequencies::lowest));
    List1[listY].setListIndex(std::int16_t(startingPair.b - figure::Frequencies::lowest));
    Picture1.setScaleHeight(float(figure::FigureGeometry::plotSide));
    Picture1.setScaleWidth(float(figure::FigureGeometry::plotSide));
    ClearPlot();
}

void Korvana::Command1_Click(std::int16_t index)
{
    switch (index) {
    case drawButton:
        DrawFigure();
        break;
    case clearButton:
        ClearPlot();
        break;
    default:
        break;
    }
    announce(Picture1.description());
}

void Korvana::DrawFigure()
{
    // "No figure" first: a draw that fails part way leaves the dots it set, but no
    // description, close-up or proposed name of a figure that was never finished.
    Picture1.clear();
    showNoFigure();
    const double a = selectedFrequency(List1[listX]);
    const double b = selectedFrequency(List1[listY]);
    figure::Lissajous::forEachPoint(a, b, [&](figure::PlotPoint point) {
        Picture1.setPoint(point.x, point.y, dotColour);
    });
    if (const std::optional<figure::FrequencyPair> whole = figure::wholeFrequencies(a, b)) {
        const figure::TouchPoints touches(whole->a, whole->b);
        Picture1.setDescription(picture::figureDescription(*whole, touches).toStdString());
        m_closeUp.showFigure(*whole);
    } else {
        Picture1.setDescription(picture::figureDescription(a, b).toStdString());
    }
    offerPictureActions(true);
}

void Korvana::ClearPlot()
{
    Picture1.setDrawWidth(1);
    Picture1.setBackColor(plotPaper);
    Picture1.clear();
    showNoFigure();
}

void Korvana::showNoFigure()
{
    Picture1.setDescription(picture::noFigure.toStdString());
    m_closeUp.showNoFigure();
    offerPictureActions(false);
}

void Korvana::offerPictureActions(bool on)
{
    // A blank area has nothing to copy or save.
    for (QAction *action : m_pictureActions)
        forms::offer(*action, on, picture::noFigureExplained);
}

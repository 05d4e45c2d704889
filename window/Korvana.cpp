#include "Korvana.h"

#include "ExportActions.h"
#include "ExportTexts.h"
#include "FrequencyText.h"
#include "KorvanaDesign.h"
#include "KorvanaTexts.h"
#include "Lissajous.h"
#include "QtConversions.h"

#include <QAction>
#include <QImage>
#include <QShortcut>

namespace {

constexpr forms::Rgb black{0, 0, 0};
constexpr forms::Rgb white{255, 255, 255};

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

    connect(&Picture1, &forms::PictureBox::activated, this, [this] { m_closeUp.open(false); });
    // The plot area's context menu: a closer look, and its picture copied or saved.
    auto *lookCloser = new QAction(forms::qtText(closeUpAction), &Picture1);
    connect(lookCloser, &QAction::triggered, this, [this] { m_closeUp.open(false); });
    auto *copy = new QAction(figureexport::copyText, &Picture1);
    connect(copy, &QAction::triggered, this,
            [this] { figureexport::ExportActions::copyPicture(this, Picture1.image().copy()); });
    auto *save = new QAction(figureexport::saveText, &Picture1);
    connect(save, &QAction::triggered, this, [this] {
        figureexport::ExportActions::savePicture(this, Picture1.image().copy(),
                                                 figureexport::ExportActions::suggestedPath(m_closeUp.figure()));
    });
    Picture1.addActions({lookCloser, copy, save});
    Picture1.setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(&m_closeUp, &closeup::CloseUp::viewOpened, this,
            [](closeup::CloseUpView *view) { figureexport::ExportActions::addTo(*view); });
    auto *fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, [this] { m_closeUp.open(true); });
}

void Korvana::load()
{
    List1[0].setListIndex(0);
    List1[1].setListIndex(2);
    Picture1.setScaleHeight(1000);
    Picture1.setScaleWidth(1000);
    ClearPlot();
}

void Korvana::Command1_Click(std::int16_t index)
{
    switch (index) {
    case 0:
        DrawFigure();
        break;
    case 1:
        ClearPlot();
        break;
    default:
        break;
    }
    announce(Picture1.description());
}

void Korvana::DrawFigure()
{
    Picture1.clear();
    Picture1.setDescription(emptyPlotDescription);
    m_closeUp.showNoFigure();
    const double a = selectedFrequency(List1[0]);
    const double b = selectedFrequency(List1[1]);
    figure::Lissajous::forEachPoint(a, b, [&](figure::PlotPoint point) {
        Picture1.setPoint(point.x, point.y, black);
    });
    Picture1.setDescription(figureDescription(a, b));
    m_closeUp.showFigure(a, b);
}

void Korvana::ClearPlot()
{
    Picture1.setDrawWidth(1);
    Picture1.setBackColor(white);
    Picture1.clear();
    Picture1.setDescription(emptyPlotDescription);
    m_closeUp.showNoFigure();
}

#include "Korvana.h"

#include "FrequencyText.h"
#include "KorvanaDesign.h"
#include "KorvanaTexts.h"
#include "Lissajous.h"

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
{
    onClick(Command1, [this](std::int16_t index) { Command1_Click(index); });
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
}

void Korvana::DrawFigure()
{
    Picture1.clear();
    Picture1.setDescription(emptyPlotDescription);
    const double a = selectedFrequency(List1[0]);
    const double b = selectedFrequency(List1[1]);
    figure::Lissajous::forEachPoint(a, b, [&](figure::PlotPoint point) {
        Picture1.setPoint(point.x, point.y, black);
    });
    Picture1.setDescription(figureDescription(a, b));
}

void Korvana::ClearPlot()
{
    Picture1.setDrawWidth(1);
    Picture1.setBackColor(white);
    Picture1.clear();
    Picture1.setDescription(emptyPlotDescription);
}

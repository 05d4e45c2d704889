#include "Korvana.h"

#include "FrequencyText.h"
#include "KorvanaDesign.h"
#include "KorvanaTexts.h"
#include "ListBox.h"
#include "Lissajous.h"
#include "PictureBox.h"

namespace {

constexpr figure::Rgb black{0, 0, 0};
constexpr figure::Rgb white{255, 255, 255};

double selectedFrequency(const forms::ListBox &list)
{
    return figure::frequencyFromText(list.itemText(list.listIndex()));
}

} // namespace

Korvana::Korvana(QWidget *parent)
    : forms::Form(korvanaDesign(), parent)
{
    onClick("Command1", [this](std::int16_t index) { Command1_Click(index); });
}

void Korvana::load()
{
    control<forms::ListBox>("List1", 0).setListIndex(0);
    control<forms::ListBox>("List1", 1).setListIndex(2);
    auto &picture = control<forms::PictureBox>("Picture1");
    picture.setScaleHeight(1000);
    picture.setScaleWidth(1000);
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
    auto &picture = control<forms::PictureBox>("Picture1");
    picture.clear();
    picture.setDescription(emptyPlotDescription);
    const double a = selectedFrequency(control<forms::ListBox>("List1", 0));
    const double b = selectedFrequency(control<forms::ListBox>("List1", 1));
    figure::Lissajous::forEachPoint(a, b, [&](figure::PlotPoint point) {
        picture.setPoint(point.x, point.y, black);
    });
    picture.setDescription(figureDescription(a, b));
}

void Korvana::ClearPlot()
{
    auto &picture = control<forms::PictureBox>("Picture1");
    picture.setDrawWidth(1);
    picture.setBackColor(white);
    picture.clear();
    picture.setDescription(emptyPlotDescription);
}

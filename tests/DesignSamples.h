#pragma once

#include <QColor>
#include <QPoint>

#include <array>

// Points of the Korvana window, in pixels of its client area at 100 %, where the
// designed colours show clear of any text, bevel or focus mark.
struct DesignSample {
    const char *region;
    QPoint at;
    QRgb colour;
};

inline constexpr std::array<DesignSample, 9> designSamples = {{
    {"window between plot and lists", {240, 100}, qRgb(192, 192, 255)},
    {"window under the buttons", {300, 252}, qRgb(192, 192, 255)},
    {"title label", {95, 12}, qRgb(255, 192, 128)},
    {"X label", {275, 60}, qRgb(255, 192, 128)},
    {"Y label", {403, 60}, qRgb(255, 192, 128)},
    {"draw button face", {280, 200}, qRgb(128, 255, 128)},
    {"clear button face", {376, 232}, qRgb(255, 0, 0)},
    {"plot area top left", {12, 36}, qRgb(255, 255, 255)},
    {"plot area bottom right", {216, 240}, qRgb(255, 255, 255)},
}};

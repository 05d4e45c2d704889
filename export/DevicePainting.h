#pragma once

#include <QPainter>

#include <memory>
#include <new>

namespace figureexport {

// Painting onto a device of ours, an SVG or a PDF being made, that may run out of
// memory inside Qt.
class DevicePainting {
public:
    // Paints onto the device and ends the painting; says whether both went well. Where
    // memory runs out, the painter and the device are abandoned, not destroyed: their
    // destructors would end the painting again while the exception unwinds, throw
    // once more, and end the program.
    template <class Device, class Paint>
    static bool paintAndEnd(std::unique_ptr<Device> device, Paint &&paint)
    {
        auto painter = std::make_unique<QPainter>();
        try {
            if (!painter->begin(device.get()))
                return false;
            paint(*painter);
            return painter->end();
        } catch (const std::bad_alloc &) {
            (void)painter.release();
            (void)device.release();
            throw;
        }
    }
};

} // namespace figureexport

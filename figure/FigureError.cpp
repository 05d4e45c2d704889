#include "FigureError.h"

namespace figure {

const char *FigureError::what() const noexcept
{
    switch (m_kind) {
    case Kind::TypeMismatch:
        return "type mismatch";
    case Kind::Overflow:
        return "overflow";
    }
    return "figure error";
}

} // namespace figure

#pragma once

#include <exception>

namespace figure {

// What went wrong in the figure's arithmetic, in its own terms; the runtime that runs
// the window decides how a user is told.
class FigureError : public std::exception {
public:
    enum class Kind {
        // A text that is not a number where a number is needed.
        TypeMismatch,
        // A result too large to be finite, or not a number at all.
        Overflow,
    };

    explicit FigureError(Kind kind) : m_kind(kind) {}

    Kind kind() const { return m_kind; }
    const char *what() const noexcept override;

private:
    Kind m_kind;
};

} // namespace figure

#pragma once

#include <QString>

namespace frame {

// The title bar's buttons, as their tooltips and a screen reader name them.
inline const QString minimiseText = QStringLiteral("Минимизирай");
inline const QString closeText = QStringLiteral("Затвори");

} // namespace frame

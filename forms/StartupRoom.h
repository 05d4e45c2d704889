#pragma once

#include <optional>

namespace forms {

// Whether the process has the room to load Qt's platform and the fonts, which do not
// survive going short: fontconfig crashes where memory or stack runs out, and Qt
// aborts when no descriptor is left to load its platform with. Checked before either
// is loaded, so that the program can say what is short in one line and exit instead.
class StartupRoom {
public:
    enum class Short { memory, descriptors, stack };
    struct Shortage {
        Short what;
        // The limit the process has, and what it needs (descriptors, or KiB).
        unsigned long long limit = 0;
        unsigned long long needed = 0;
    };

    // What is short, if anything. A soft limit below the need is raised first where
    // the hard limit allows.
    static std::optional<Shortage> check();

    // Address space free for loading the platform and the fonts, and for the first
    // painting's many small allocations, which Qt and fontconfig do not check: about
    // twice what they take on a Debian desktop with its usual fonts.
    static constexpr unsigned long long memoryMarginKiB = 8 * 1024;
    // Descriptors: a few times the platform, the fonts and a file being written.
    static constexpr unsigned long long leastDescriptors = 16;
    // Stack: fontconfig's parser overflows 64 KiB; a few times what the start takes.
    static constexpr unsigned long long leastStackKiB = 256;
};

} // namespace forms

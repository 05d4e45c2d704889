#pragma once

#include <QByteArray>

namespace forms {

// While it lives, what other libraries write to stderr goes nowhere: fontconfig's
// complaints about its configuration or its memory, raw bytes and all, and the
// platform's, which restate what the program says in one line of its own when the
// start fails. The program's own lines go to the real stderr through say().
class QuietStderr {
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr &) = delete;
    QuietStderr &operator=(const QuietStderr &) = delete;

    // Writes the line and a newline to the stderr the program was started with.
    static void say(const QByteArray &line);

private:
    // stderr as it was, while one is quiet; -1 otherwise.
    static inline int s_original = -1;
};

} // namespace forms

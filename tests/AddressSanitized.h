#pragma once

// Whether this test runs under AddressSanitizer, whose quarantine and shadow memory
// make memory figures and memory limits say nothing about the program.
constexpr bool addressSanitized =
#if defined(__SANITIZE_ADDRESS__)
    true;
#else
    false;
#endif

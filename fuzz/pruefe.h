// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>

// A property that fails is a finding like a crash: libFuzzer saves the input.
#define PRUEFE(bedingung)                                                                                              \
    do {                                                                                                               \
        if (!(bedingung)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #bedingung);                      \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

# SPDX-License-Identifier: GPL-3.0-or-later
# The sanitizer configuration builds the fuzz targets with clang++ as a project
# of their own (the program itself builds with g++) and runs each for a few
# seconds. scripts/fuzz runs them for longer.
include(ExternalProject)
find_program(NETZPLANER_CLANGXX NAMES clang++ clang++-14 REQUIRED)

set(fuzz_bau ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(netzplaner_fuzz
    SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
    BINARY_DIR ${fuzz_bau}
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${NETZPLANER_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
)

# Runs per target: a few seconds each on a shared two-core machine.
foreach(ziel_laeufe IN ITEMS text_zu_byte:80000 dualwandeln:120000 umrechnen:1000000 einfuegen:300000
        bedarfcsv:200000 eintraege:80000 ipv6:400000 antwort:200000 plandatei:100000)
    string(REPLACE ":" ";" teile ${ziel_laeufe})
    list(GET teile 0 ziel)
    list(GET teile 1 laeufe)
    add_test(NAME fuzz_${ziel}
        COMMAND ${CMAKE_CURRENT_LIST_DIR}/kurz ${fuzz_bau}/fuzz_${ziel} ${CMAKE_CURRENT_LIST_DIR}/corpus/${ziel}
                ${fuzz_bau}/kurzlauf/${ziel} ${laeufe})
endforeach()

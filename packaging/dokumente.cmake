# SPDX-License-Identifier: GPL-3.0-or-later
# What Debian expects beside every program: the copyright file, the changelog
# and the manual pages, compressed as Debian compresses them. gzip -n leaves
# out the name and time, so the same sources give the same package bytes.

find_program(GZIP_BEFEHL gzip REQUIRED)
set(doku ${CMAKE_INSTALL_DATADIR}/doc/netzplaner)

# Compresses QUELLE, with the build's version filled in, into the build tree
# as ZIEL.gz and installs that to ORT.
function(netzplaner_gepackt quelle ziel ort)
    set(kopie ${CMAKE_CURRENT_BINARY_DIR}/${ziel})
    configure_file(${quelle} ${kopie} @ONLY)
    add_custom_command(OUTPUT ${kopie}.gz
        COMMAND ${GZIP_BEFEHL} -9nkf ${kopie}
        DEPENDS ${kopie}
        COMMENT "Compressing ${ziel}"
        VERBATIM)
    list(APPEND netzplaner_gepackte ${kopie}.gz)
    set(netzplaner_gepackte ${netzplaner_gepackte} PARENT_SCOPE)
    install(FILES ${kopie}.gz DESTINATION ${ort})
endfunction()

install(FILES debian/copyright DESTINATION ${doku})
# A package whose version has no Debian revision keeps its changelog under
# this plain name.
netzplaner_gepackt(debian/changelog changelog ${doku})
netzplaner_gepackt(man/netzplaner.1.in man/netzplaner.1 ${CMAKE_INSTALL_MANDIR}/man1)
netzplaner_gepackt(man/de/netzplaner.1.in man/de/netzplaner.1 ${CMAKE_INSTALL_MANDIR}/de/man1)
add_custom_target(netzplaner_dokumente ALL DEPENDS ${netzplaner_gepackte})

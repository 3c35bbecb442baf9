# What Debian expects beside every program: the copyright file, the changelog
# and the manual pages.

set(doku ${CMAKE_INSTALL_DATADIR}/doc/netzplaner)
install(FILES debian/copyright DESTINATION ${doku})

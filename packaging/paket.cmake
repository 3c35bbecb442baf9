# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack` in the build directory writes
# netzplaner_<version>_<arch>.deb from the installed tree.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME netzplaner)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quendelwerk)
set(CPACK_PACKAGE_CONTACT "Quendelwerk <netzplaner@quendelwerk.example>")
# The synopsis is the program's own file description.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Wrapped by hand: apt shows the lines as they are.
set(CPACK_PACKAGE_DESCRIPTION [=[
Netzplaner zeigt zu einer IPv4-Adresse bei jeder Eingabe die Adressklasse,
die Netzmaske, die Netzadresse und die Broadcast-Adresse, dezimal und binär.
Für ein Subnetz nennt es, wie viele Hosts jedes Teilnetz aufnimmt, für ein
Supernetz, wie viele Netze sich verbinden lassen. Ein zweites Fenster wandelt
Dezimalzahlen in Dual-, Oktal- und Hexadezimalzahlen um.]=])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${NETZPLANER_HOMEPAGE}")
# The libraries come from dpkg-shlibdeps; what the program loads at run time
# it does not link: the platform plugins, Qt's German texts for the context
# menus and message boxes, and the font with Arial's metrics the layout needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2")

# Packs the program's component by name, not the whole project: see above.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};netzplaner;/")

include(CPack)

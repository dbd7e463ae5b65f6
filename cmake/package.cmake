# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package of the game, made from a build by `cpack -G DEB`: what the install puts in, under
# /usr, stripped, with the copyright file and changelog Debian wants, and the dependencies the game has at
# run time: the libraries it links (found by dpkg-shlibdeps), Qt's Russian translations and the fonts its
# look asks for.

# The changelog names this version first.
file(STRINGS data/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^${PROJECT_NAME} \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "data/changelog does not begin with version ${PROJECT_VERSION}: ${newest}")
endif()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/data/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
    DEPENDS data/changelog
    COMMENT "Compressing the changelog")
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES data/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian keeps games in /usr/games. The package puts the program there when that folder lies as far from
# the data as the programs' folder does (one level below the prefix), so that the way compiled into the
# program still leads to its pictures; the rest of the install goes in as it is.
file(RELATIVE_PATH games_to_data ${CMAKE_INSTALL_PREFIX}/games ${CMAKE_INSTALL_FULL_DATADIR}/cindervale)
if(games_to_data STREQUAL CINDERVALE_DATA_FROM_PROGRAM)
    set(package_bindir games)
else()
    set(package_bindir ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS cindervale RUNTIME DESTINATION ${package_bindir} COMPONENT package EXCLUDE_FROM_ALL)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL data package)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "The Cindervale developers")
set(CPACK_PACKAGE_CONTACT "The Cindervale developers <developers@cindervale.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text adventure with role-playing rules, in Russian")
set(CPACK_PACKAGE_DESCRIPTION
    "The demo of Cindervale: Brassmoth Post Edition, a single-player text
adventure set in a world after the fall: a village, its hunting grounds, a
temple by a dry canyon and the bridge that leads away. The player walks the
village map, picks numbered choices, talks to the villagers, carries things in
an inventory and fights one enemy at a time on a turn-based fight screen. All
its texts are in Russian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://cindervale.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-core, fonts-dejavu-extra")
include(CPack)

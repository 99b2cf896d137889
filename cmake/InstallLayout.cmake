# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Where an installed game keeps its files, relative to the install prefix, and the build facts that
# the programs print (their version) or need to find an installed copy's files.
include(GNUInstallDirs)

# Debian keeps games and their data apart from other programs.
set(SUISPO_INSTALL_GAMESDIR "games" CACHE STRING "Folder of the two programs, relative to the prefix")
set(SUISPO_INSTALL_GAMEDATADIR "${CMAKE_INSTALL_DATADIR}/games/suispo" CACHE STRING
    "Folder of the help page, relative to the prefix")
set(SUISPO_INSTALL_MODULEDIR "${CMAKE_INSTALL_LIBDIR}/suispo" CACHE STRING
    "Folder of the sound module, relative to the prefix")

configure_file(${CMAKE_CURRENT_LIST_DIR}/build_info.h.in ${PROJECT_BINARY_DIR}/generated/suispo/build_info.h @ONLY)
add_library(suispo_build_info INTERFACE)
target_include_directories(suispo_build_info INTERFACE ${PROJECT_BINARY_DIR}/generated)

# The game's name towards the desktop: one application ID for the desktop
# entry, the AppStream file, the icons and the running window, and the places
# the installed game reads its data from. Included before the targets, so that
# every target sees the generated header "Kennung.h".
include(GNUInstallDirs)

set(STEINFALL_ANWENDUNGS_ID "io.github.steinfall.Steinfall")
set(STEINFALL_WEBSEITE "https://github.com/steinfall/steinfall")
set(STEINFALL_ROH_ADRESSE "https://raw.githubusercontent.com/steinfall/steinfall/main")

# Debian keeps games apart from other programs; another prefix may use bin/
# and share/ (e.g. -DSTEINFALL_INSTALL_BINDIR=bin).
set(STEINFALL_INSTALL_BINDIR "games" CACHE STRING "Folder of the programs, below the prefix")
set(STEINFALL_INSTALL_DATENDIR "${CMAKE_INSTALL_DATADIR}/games/steinfall"
    CACHE STRING "Folder of the game's wave files, below the prefix")

set(STEINFALL_INSTALL_MODULDIR "${CMAKE_INSTALL_LIBDIR}/steinfall"
    CACHE STRING "Folder of the game's sound module, below the prefix")

# The program finds its data relative to its own folder, so the installed tree
# works under any prefix.
cmake_path(RELATIVE_PATH STEINFALL_INSTALL_DATENDIR BASE_DIRECTORY "${STEINFALL_INSTALL_BINDIR}"
           OUTPUT_VARIABLE STEINFALL_DATEN_RELATIV)
cmake_path(RELATIVE_PATH STEINFALL_INSTALL_MODULDIR BASE_DIRECTORY "${STEINFALL_INSTALL_BINDIR}"
           OUTPUT_VARIABLE STEINFALL_MODUL_RELATIV)

configure_file(${CMAKE_CURRENT_LIST_DIR}/Kennung.h.in ${CMAKE_BINARY_DIR}/erzeugt/Kennung.h
               @ONLY)
include_directories(${CMAKE_BINARY_DIR}/erzeugt)

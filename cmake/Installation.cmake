# What `cmake --install` puts where, and the desktop's view of the game: menu
# entry, icons, AppStream file, manual pages. Included after the targets.

set(STEINFALL_ICONGROESSEN 16 22 24 32 48 64 128 256)

install(TARGETS steinfall steinfall-analyse RUNTIME DESTINATION ${STEINFALL_INSTALL_BINDIR})
install(TARGETS steinfall-ton LIBRARY DESTINATION ${STEINFALL_INSTALL_MODULDIR})
# The window shows the icon even where no theme has it installed.
qt_add_resources(steinfall symbol PREFIX /symbol BASE assets/icons
                 FILES assets/icons/steinfall-32.png assets/icons/steinfall-64.png
                       assets/icons/steinfall-256.png)

file(GLOB STEINFALL_INSTALL_KLAENGE ${CMAKE_SOURCE_DIR}/assets/*.WAV)
install(FILES ${STEINFALL_INSTALL_KLAENGE} DESTINATION ${STEINFALL_INSTALL_DATENDIR})

set(desktop_datei ${CMAKE_BINARY_DIR}/desktop/${STEINFALL_ANWENDUNGS_ID}.desktop)
set(metainfo_datei ${CMAKE_BINARY_DIR}/desktop/${STEINFALL_ANWENDUNGS_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/desktop/steinfall.desktop.in ${desktop_datei} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/desktop/steinfall.metainfo.xml.in ${metainfo_datei} @ONLY)
install(FILES ${desktop_datei} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo_datei} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(groesse ${STEINFALL_ICONGROESSEN})
    install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/steinfall-${groesse}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps
            RENAME ${STEINFALL_ANWENDUNGS_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/steinfall.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${STEINFALL_ANWENDUNGS_ID}.svg)

# The manual pages in English where man looks first, in German for German
# locales.
foreach(sprache en de)
    set(ziel ${CMAKE_INSTALL_MANDIR}/man6)
    if(sprache STREQUAL "de")
        set(ziel ${CMAKE_INSTALL_MANDIR}/de/man6)
    endif()
    install(FILES ${CMAKE_SOURCE_DIR}/docs/man/${sprache}/steinfall.6
                  ${CMAKE_SOURCE_DIR}/docs/man/${sprache}/steinfall-analyse.6
            DESTINATION ${ziel})
endforeach()

# What `cmake --install` puts where: programs, sounds, icons, and with
# Schreibtisch.cmake the menu entry, AppStream file and manual pages.
# Included after the targets.

set(STEINFALL_ICONGROESSEN 16 22 24 32 48 64 128 256)

install(TARGETS steinfall steinfall-analyse RUNTIME DESTINATION ${STEINFALL_INSTALL_BINDIR})
install(TARGETS steinfall-ton LIBRARY DESTINATION ${STEINFALL_INSTALL_MODULDIR})
# The window shows the icon even where no theme has it installed.
qt_add_resources(steinfall symbol PREFIX /symbol BASE assets/icons
                 FILES assets/icons/steinfall-32.png assets/icons/steinfall-64.png
                       assets/icons/steinfall-256.png)

file(GLOB STEINFALL_INSTALL_KLAENGE ${CMAKE_SOURCE_DIR}/assets/*.WAV)
install(FILES ${STEINFALL_INSTALL_KLAENGE} DESTINATION ${STEINFALL_INSTALL_DATENDIR})

foreach(groesse ${STEINFALL_ICONGROESSEN})
    install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/steinfall-${groesse}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps
            RENAME ${STEINFALL_ANWENDUNGS_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/steinfall.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${STEINFALL_ANWENDUNGS_ID}.svg)

include(${CMAKE_CURRENT_LIST_DIR}/Schreibtisch.cmake)

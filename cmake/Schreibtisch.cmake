# The desktop's view of the game in every language: the menu entry and the
# AppStream file translated from po/desktop (msgfmt --desktop and --xml), the
# AppStream file's languages counted from the game's catalogues in po/, and
# the manual pages made by po4a from the German ones and po/man. Everything is
# made in the build tree, offline; the target steinfall-schreibtisch builds it.

find_program(STEINFALL_MSGFMT msgfmt REQUIRED)
find_program(STEINFALL_PO4A po4a REQUIRED)

set(schreibtisch_po ${CMAKE_SOURCE_DIR}/po/desktop)
set(schreibtisch_aus ${CMAKE_BINARY_DIR}/desktop)
file(GLOB schreibtisch_kataloge CONFIGURE_DEPENDS ${schreibtisch_po}/*.po)
# The game's own catalogues decide the languages block; a catalogue or a
# LINGUAS that appears later is seen as well.
file(GLOB spiel_kataloge CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/*.po
     ${CMAKE_SOURCE_DIR}/po/LINGUAS)

set(desktop_datei ${schreibtisch_aus}/${STEINFALL_ANWENDUNGS_ID}.desktop)
set(metainfo_datei ${schreibtisch_aus}/${STEINFALL_ANWENDUNGS_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/desktop/steinfall.desktop.in
               ${schreibtisch_aus}/vorlage.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/desktop/steinfall.metainfo.xml.in
               ${schreibtisch_aus}/vorlage.metainfo.xml @ONLY)

add_custom_command(
    OUTPUT ${desktop_datei}
    COMMAND ${STEINFALL_MSGFMT} --desktop --template=${schreibtisch_aus}/vorlage.desktop
            -d ${schreibtisch_po} -o ${desktop_datei}
    DEPENDS ${schreibtisch_aus}/vorlage.desktop ${schreibtisch_kataloge}
            ${schreibtisch_po}/LINGUAS
    COMMENT "Menüeintrag in allen Sprachen"
    VERBATIM)

# Our own ITS rules decide what is translated, whichever gettext builds it.
add_custom_command(
    OUTPUT ${metainfo_datei}
    COMMAND ${CMAKE_COMMAND} -DVORLAGE=${schreibtisch_aus}/vorlage.metainfo.xml
            -DAUSGABE=${schreibtisch_aus}/sprachen.metainfo.xml -DKATALOGE=${CMAKE_SOURCE_DIR}/po
            -DMSGFMT=${STEINFALL_MSGFMT} -P ${CMAKE_SOURCE_DIR}/cmake/Sprachanteile.cmake
    COMMAND ${CMAKE_COMMAND} -E env GETTEXTDATADIRS=${schreibtisch_po}
            ${STEINFALL_MSGFMT} --xml -L SteinfallMetaInfo
            --template=${schreibtisch_aus}/sprachen.metainfo.xml -d ${schreibtisch_po}
            -o ${metainfo_datei}
    DEPENDS ${schreibtisch_aus}/vorlage.metainfo.xml ${schreibtisch_kataloge}
            ${schreibtisch_po}/LINGUAS ${spiel_kataloge}
            ${schreibtisch_po}/its/steinfall-metainfo.its
            ${schreibtisch_po}/its/steinfall-metainfo.loc
            ${CMAKE_SOURCE_DIR}/cmake/Sprachanteile.cmake
    COMMENT "AppStream-Datei in allen Sprachen"
    VERBATIM)

# The manual pages: German as written, every other language from po/man.
set(STEINFALL_HANDBUCHSPRACHEN en fr es nl)
set(STEINFALL_HANDBUCHSEITEN steinfall steinfall-analyse)
set(handbuch_aus ${CMAKE_BINARY_DIR}/man)
set(handbuch_seiten)
set(handbuch_quellen)
foreach(seite ${STEINFALL_HANDBUCHSEITEN})
    list(APPEND handbuch_quellen ${CMAKE_SOURCE_DIR}/docs/man/de/${seite}.6)
    foreach(sprache ${STEINFALL_HANDBUCHSPRACHEN})
        list(APPEND handbuch_seiten ${handbuch_aus}/${sprache}/${seite}.6)
    endforeach()
endforeach()
list(TRANSFORM STEINFALL_HANDBUCHSPRACHEN PREPEND ${CMAKE_SOURCE_DIR}/po/man/
     OUTPUT_VARIABLE handbuch_kataloge)
list(TRANSFORM handbuch_kataloge APPEND .po)
# po4a leaves the catalogues alone (--no-update) and writes only into the
# build tree; it writes a page only from a complete catalogue, and a page of
# an earlier build is not kept in its place.
add_custom_command(
    OUTPUT ${handbuch_seiten}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${handbuch_aus}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${handbuch_aus}
    COMMAND ${STEINFALL_PO4A} --no-update --destdir ${handbuch_aus} po/man/po4a.cfg
    DEPENDS ${handbuch_quellen} ${handbuch_kataloge} ${CMAKE_SOURCE_DIR}/po/man/po4a.cfg
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Handbuchseiten in allen Sprachen"
    VERBATIM)

add_custom_target(steinfall-schreibtisch ALL DEPENDS ${desktop_datei} ${metainfo_datei}
                                                     ${handbuch_seiten})

install(FILES ${desktop_datei} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo_datei} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# English where man looks first, German and the others under their codes.
foreach(seite ${STEINFALL_HANDBUCHSEITEN})
    install(FILES ${CMAKE_SOURCE_DIR}/docs/man/de/${seite}.6
            DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man6)
    foreach(sprache ${STEINFALL_HANDBUCHSPRACHEN})
        set(ziel ${CMAKE_INSTALL_MANDIR}/${sprache}/man6)
        if(sprache STREQUAL "en")
            set(ziel ${CMAKE_INSTALL_MANDIR}/man6)
        endif()
        install(FILES ${handbuch_aus}/${sprache}/${seite}.6 DESTINATION ${ziel})
    endforeach()
endforeach()

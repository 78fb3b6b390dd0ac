# The translations: one gettext catalogue per language of po/LINGUAS, built
# into <build>/share/locale/<code>/LC_MESSAGES/steinfall.mo, where the game
# finds them beside build/bin as it does beside /usr/bin. The tests need
# them, so every build makes them.
find_package(Gettext REQUIRED)
find_program(STEINFALL_XGETTEXT xgettext REQUIRED)
find_program(STEINFALL_MSGMERGE msgmerge REQUIRED)

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/LINGUAS)
file(STRINGS ${CMAKE_SOURCE_DIR}/po/LINGUAS STEINFALL_SPRACHEN REGEX "^[^#]")
list(TRANSFORM STEINFALL_SPRACHEN STRIP)

set(STEINFALL_KATALOGE)
foreach(sprache ${STEINFALL_SPRACHEN})
    set(ordner ${CMAKE_BINARY_DIR}/share/locale/${sprache}/LC_MESSAGES)
    add_custom_command(
        OUTPUT ${ordner}/steinfall.mo
        COMMAND ${CMAKE_COMMAND} -E make_directory ${ordner}
        COMMAND ${GETTEXT_MSGFMT_EXECUTABLE} --check -o ${ordner}/steinfall.mo
                ${CMAKE_SOURCE_DIR}/po/${sprache}.po
        DEPENDS ${CMAKE_SOURCE_DIR}/po/${sprache}.po
        COMMENT "Katalog ${sprache}")
    list(APPEND STEINFALL_KATALOGE ${ordner}/steinfall.mo)
    install(FILES ${ordner}/steinfall.mo DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${sprache}/LC_MESSAGES)
endforeach()
add_custom_target(kataloge ALL DEPENDS ${STEINFALL_KATALOGE})

# `cmake --build build --target vorlage`: the template anew from the sources,
# and every catalogue merged with it.
add_custom_target(vorlage COMMAND bash ${CMAKE_SOURCE_DIR}/tools/vorlage.sh
                  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)

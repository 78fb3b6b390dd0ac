# Run as a script when the game is built: writes the AppStream file's
# <languages> block from the game's own catalogues. German, in which the game
# is written, is whole; every code of po/LINGUAS gets the share of its
# catalogue's messages that are translated (fuzzy ones count as not).
#   cmake -DVORLAGE=in.xml -DAUSGABE=out.xml -DKATALOGE=po -DMSGFMT=msgfmt -P Sprachanteile.cmake
foreach(pflicht VORLAGE AUSGABE KATALOGE MSGFMT)
    if(NOT DEFINED ${pflicht})
        message(FATAL_ERROR "Sprachanteile.cmake: ${pflicht} fehlt")
    endif()
endforeach()

set(zeilen "    <lang percentage=\"100\">de</lang>\n")
set(sprachen)
if(EXISTS ${KATALOGE}/LINGUAS)
    file(STRINGS ${KATALOGE}/LINGUAS liste)
    foreach(zeile ${liste})
        string(REGEX REPLACE "#.*" "" zeile "${zeile}")
        string(REGEX MATCHALL "[^ \t]+" codes "${zeile}")
        list(APPEND sprachen ${codes})
    endforeach()
endif()

foreach(code ${sprachen})
    if(code STREQUAL "de")
        continue()
    endif()
    execute_process(COMMAND ${MSGFMT} --statistics -o /dev/null ${KATALOGE}/${code}.po
                    ERROR_VARIABLE statistik RESULT_VARIABLE ergebnis)
    if(NOT ergebnis EQUAL 0)
        message(FATAL_ERROR "Sprachanteile.cmake: ${KATALOGE}/${code}.po: ${statistik}")
    endif()
    # "12 translated messages, 1 fuzzy translation, 3 untranslated messages."
    set(uebersetzt 0)
    set(alle 0)
    foreach(art translated fuzzy untranslated)
        if(statistik MATCHES "([0-9]+) ${art} ")
            math(EXPR alle "${alle} + ${CMAKE_MATCH_1}")
            if(art STREQUAL "translated")
                set(uebersetzt ${CMAKE_MATCH_1})
            endif()
        endif()
    endforeach()
    if(alle EQUAL 0)
        message(FATAL_ERROR "Sprachanteile.cmake: ${code}.po ohne Meldungen: ${statistik}")
    endif()
    math(EXPR anteil "100 * ${uebersetzt} / ${alle}")
    string(APPEND zeilen "    <lang percentage=\"${anteil}\">${code}</lang>\n")
endforeach()

file(READ ${VORLAGE} text)
string(REGEX REPLACE "<languages>.*</languages>" "<languages>\n${zeilen}  </languages>" text
                     "${text}")
file(WRITE ${AUSGABE} "${text}")

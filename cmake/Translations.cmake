# The program's translations. lupdate gathers every marked text of the sources into
# resources/translations/rorovovo_<language>.ts (target update_translations, `make translations`); every build turns
# each .ts into program/translations/rorovovo_<language>.qm with lrelease, which leaves out what is still unfinished,
# so such a text shows in English.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(ROROVOVO_LANGUAGES de fr es it pt_BR pl ru ja)
set(ROROVOVO_TS_DIR ${PROJECT_SOURCE_DIR}/resources/translations)
set(ROROVOVO_TS_FILES "")
foreach(language IN LISTS ROROVOVO_LANGUAGES)
  list(APPEND ROROVOVO_TS_FILES ${ROROVOVO_TS_DIR}/rorovovo_${language}.ts)
endforeach()
set(_sources "")
foreach(folder app core chart extras forms platform profiles rhythm)
  file(GLOB_RECURSE _found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  list(APPEND _sources ${_found})
endforeach()
# The texts of the menu entry, the metadata and the manual page (Install.cmake merges their translations).
list(APPEND _sources ${PROJECT_SOURCE_DIR}/resources/desktop/desktop_texts.h)
# No line numbers, so a change of code elsewhere in a file leaves the translations' files as they are; a text that
# is gone is dropped, not kept as obsolete.
qt_add_lupdate(Rorovovo TS_FILES ${ROROVOVO_TS_FILES} SOURCES ${_sources}
               OPTIONS -locations none -no-obsolete -silent)
set_source_files_properties(${ROROVOVO_TS_FILES} PROPERTIES OUTPUT_LOCATION ${ROROVOVO_PROGRAM_DIR}/translations)
qt_add_lrelease(Rorovovo TS_FILES ${ROROVOVO_TS_FILES} QM_FILES_OUTPUT_VARIABLE ROROVOVO_QM_FILES OPTIONS -silent)
install(FILES ${ROROVOVO_QM_FILES} DESTINATION share/rorovovo/translations)
# The languages for the tests, as one compile definition: "de,fr,...".
string(REPLACE ";" "," ROROVOVO_LANGUAGE_LIST "${ROROVOVO_LANGUAGES}")

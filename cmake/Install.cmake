# `make install` and `make package`. The layout is fixed, not taken from GNUInstallDirs: the program decides
# that it is installed by finding ../share/rorovovo/ beside its bin/ folder.
set(_desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
set(_generated ${PROJECT_BINARY_DIR}/desktop)
configure_file(${_desktop}/rorovovo.desktop.in ${_generated}/english/${ROROVOVO_APP_ID}.desktop @ONLY)
configure_file(${_desktop}/rorovovo.metainfo.xml.in ${_generated}/english/${ROROVOVO_APP_ID}.metainfo.xml @ONLY)
configure_file(${_desktop}/Rorovovo.1.in ${_generated}/Rorovovo.1 @ONLY)
# The menu entry and the metadata with the finished translations of the .ts files, and a manual page for each
# language that translates its NAME line (share/man/<language>/man1/).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(
  OUTPUT ${_generated}/${ROROVOVO_APP_ID}.desktop ${_generated}/${ROROVOVO_APP_ID}.metainfo.xml
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${_generated}/man
  COMMAND Python3::Interpreter ${_desktop}/merge_translations.py
          ${_generated}/english/${ROROVOVO_APP_ID}.desktop ${_generated}/${ROROVOVO_APP_ID}.desktop
          ${_generated}/english/${ROROVOVO_APP_ID}.metainfo.xml ${_generated}/${ROROVOVO_APP_ID}.metainfo.xml
          ${_generated}/Rorovovo.1 ${_generated}/man ${ROROVOVO_TS_FILES}
  DEPENDS ${_desktop}/merge_translations.py ${_generated}/english/${ROROVOVO_APP_ID}.desktop
          ${_generated}/english/${ROROVOVO_APP_ID}.metainfo.xml ${_generated}/Rorovovo.1 ${ROROVOVO_TS_FILES}
  VERBATIM)
add_custom_target(desktop_files ALL DEPENDS ${_generated}/${ROROVOVO_APP_ID}.desktop
                                            ${_generated}/${ROROVOVO_APP_ID}.metainfo.xml)

install(TARGETS Rorovovo RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/resources/Cyclomat.dat ${PROJECT_SOURCE_DIR}/resources/Cyclomat.txt
        DESTINATION share/rorovovo)
if(TARGET help_file)
  install(FILES ${ROROVOVO_PROGRAM_DIR}/Rorovovo.chm DESTINATION share/rorovovo)
endif()
install(FILES ${_generated}/${ROROVOVO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${_generated}/${ROROVOVO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
# Manual pages are installed compressed, as man-db and Debian expect; -n keeps the bytes free of a time stamp.
add_custom_command(OUTPUT ${_generated}/Rorovovo.1.gz
                   COMMAND gzip -9nc ${_generated}/Rorovovo.1 > ${_generated}/Rorovovo.1.gz
                   DEPENDS ${_generated}/Rorovovo.1 VERBATIM)
add_custom_target(man_page ALL DEPENDS ${_generated}/Rorovovo.1.gz)
install(FILES ${_generated}/Rorovovo.1.gz DESTINATION share/man/man1)
install(DIRECTORY ${_generated}/man/ DESTINATION share/man OPTIONAL)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${ROROVOVO_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/scalable.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${ROROVOVO_APP_ID}.svg)

# ---- Debian package ---------------------------------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rorovovo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Quorvit <quorvit@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "biorhythm chart of a birth date")
set(CPACK_PACKAGE_DESCRIPTION "Draws the Physical, Emotional, Intellectual and Intuitional rhythms of a person
from a name and a birth date, with today's day in each cycle, the age and the zodiac sign.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The platform plugin is loaded at run time, so no linked library names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)

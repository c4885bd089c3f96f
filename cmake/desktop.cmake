# Installation under CMAKE_INSTALL_PREFIX and the Debian package: the two programs, the help file
# and the sample installation, and the files through which the desktop knows the editor (menu
# entry, AppStream metainfo, MIME type of scenario files, icons, man page).

install(TARGETS corvane-scenario-editor corvane-scn RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${CMAKE_SOURCE_DIR}/help/Corvane Scenario Editor v109.hlp" DESTINATION ${CORVANE_DATA_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/sample/ DESTINATION ${CORVANE_DATA_DIR}/sample)

configure_file(${CMAKE_SOURCE_DIR}/desktop/${CORVANE_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/desktop/${CORVANE_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/desktop/corvane-scn.1.in ${CMAKE_BINARY_DIR}/desktop/corvane-scn.1 @ONLY)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${CORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${CORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${CORVANE_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${CORVANE_APP_ID}.xml)
install(FILES ${CMAKE_BINARY_DIR}/desktop/corvane-scn.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The icon: drawn by hand as SVG, and rendered at build time as PNG from the same drawing the
# window icon uses, at the sizes of the icon theme.
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${CORVANE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
add_executable(corvane-icon-renderer ${CMAKE_SOURCE_DIR}/desktop/render_icon.cpp ${CMAKE_SOURCE_DIR}/src/ui/app_icon.cpp)
target_include_directories(corvane-icon-renderer PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(corvane-icon-renderer PRIVATE Qt6::Gui)
corvane_warnings(corvane-icon-renderer)
set(CORVANE_ICON_SIZES 16 32 48 64 128 256)
set(icon_files)
foreach(size ${CORVANE_ICON_SIZES})
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/${CORVANE_APP_ID}.png)
  list(APPEND icon_files ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
# The renderer draws into images only; it needs no display, and a sanitizer build must not fail
# the build over a leak report from Qt at its exit.
add_custom_command(OUTPUT ${icon_files}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:corvane-icon-renderer> ${CMAKE_BINARY_DIR}/icons ${CORVANE_APP_ID} ${CORVANE_ICON_SIZES}
  DEPENDS corvane-icon-renderer
  COMMENT "Rendering the icon at ${CORVANE_ICON_SIZES} pixels")
add_custom_target(corvane_icons ALL DEPENDS ${icon_files})

set(CPACK_PACKAGE_NAME ${CORVANE_DATA_NAME})
set(CPACK_PACKAGE_VENDOR "Corvane Scenario Editor developers")
set(CPACK_PACKAGE_CONTACT "Corvane Scenario Editor developers <maintainers@corvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the scenario files of the Corvane space-flight simulator")
set(CPACK_PACKAGE_DESCRIPTION
    "The editor opens a scenario (.scn) of an installed Corvane simulator, edits its description, planetary \
system, start date, focus ship, orbital stations and ships in forms, checks each against the simulator's own \
configuration and saves it back in the simulator's format. The command-line tool corvane-scn reads, rewrites, \
lists and checks scenarios without a window.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system plugins come with libqt6gui6; the desktop caches follow the installed files.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)

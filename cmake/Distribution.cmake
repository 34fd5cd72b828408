# What an installed program needs beside itself: the man pages and the bash completion written
# from the command table, the manual rendered to PDF, the icon in its sizes, the desktop's and
# Debian's documents; the install layout and the Debian package.

# The man pages and the completion come from the same tables as --help. Man pages and the
# changelog are installed compressed, as gzip -9n leaves them: no name or time in the header,
# so the same sources give the same bytes.
find_program(KVC_GZIP gzip REQUIRED)
add_executable(kvc7345-commanddocs ${CMAKE_SOURCE_DIR}/tools/commanddocs/main.cpp)
target_link_libraries(kvc7345-commanddocs PRIVATE kvc7345cli)
set(KVC_MANPAGE ${CMAKE_BINARY_DIR}/kvc7345.1)
set(KVC_SIMULATOR_MANPAGE ${CMAKE_BINARY_DIR}/kvc7345-modsim.1)
set(KVC_COMPLETION ${CMAKE_BINARY_DIR}/completion/kvc7345)
add_custom_command(
  OUTPUT ${KVC_MANPAGE} ${KVC_MANPAGE}.gz ${KVC_SIMULATOR_MANPAGE} ${KVC_SIMULATOR_MANPAGE}.gz
         ${KVC_COMPLETION}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/completion
  COMMAND kvc7345-commanddocs ${PROJECT_VERSION} ${KVC_MANPAGE} ${KVC_COMPLETION}
          ${KVC_SIMULATOR_MANPAGE}
  COMMAND ${KVC_GZIP} -9nkf ${KVC_MANPAGE} ${KVC_SIMULATOR_MANPAGE}
  DEPENDS kvc7345-commanddocs
  COMMENT "Writing the man pages and the bash completion")
set(KVC_CHANGELOG ${CMAKE_BINARY_DIR}/changelog)
add_custom_command(
  OUTPUT ${KVC_CHANGELOG}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/changelog ${KVC_CHANGELOG}
  COMMAND ${KVC_GZIP} -9nf ${KVC_CHANGELOG}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
  COMMENT "Compressing the changelog")
add_custom_target(kvc7345commanddocs ALL DEPENDS ${KVC_MANPAGE}.gz ${KVC_SIMULATOR_MANPAGE}.gz
                                                 ${KVC_COMPLETION} ${KVC_CHANGELOG}.gz)

# The user manual, rendered beside the program so that a build-tree run finds it too.
add_executable(kvc7345-manualpdf ${CMAKE_SOURCE_DIR}/tools/manualpdf/main.cpp)
target_link_libraries(kvc7345-manualpdf PRIVATE Qt6::Gui)
set(KVC_MANUAL ${CMAKE_BINARY_DIR}/DOC0417.pdf)
file(GLOB KVC_MANUAL_IMAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/doc/images/*.png)
add_custom_command(
  OUTPUT ${KVC_MANUAL}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}
          $<TARGET_FILE:kvc7345-manualpdf> ${CMAKE_SOURCE_DIR}/doc/manual.md ${KVC_MANUAL}
  DEPENDS kvc7345-manualpdf ${CMAKE_SOURCE_DIR}/doc/manual.md ${KVC_MANUAL_IMAGES}
  COMMENT "Rendering the user manual")
add_custom_target(kvc7345manual ALL DEPENDS ${KVC_MANUAL})

# The icon in the sizes of the desktop's icon theme.
set(KVC_ICON_SIZES 16 32 48 64 128 256)
set(KVC_ICON_PNGS)
foreach(size ${KVC_ICON_SIZES})
  list(APPEND KVC_ICON_PNGS ${CMAKE_BINARY_DIR}/icons/${size}x${size}/kvc7345.png)
endforeach()
add_executable(kvc7345-iconpng ${CMAKE_SOURCE_DIR}/tools/iconpng/main.cpp)
target_link_libraries(kvc7345-iconpng PRIVATE Qt6::Gui Qt6::Svg)
add_custom_command(
  OUTPUT ${KVC_ICON_PNGS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}
          $<TARGET_FILE:kvc7345-iconpng> ${CMAKE_SOURCE_DIR}/data/icons/kvc7345.svg
          ${CMAKE_BINARY_DIR}/icons ${KVC_ICON_SIZES}
  DEPENDS kvc7345-iconpng ${CMAKE_SOURCE_DIR}/data/icons/kvc7345.svg
  COMMENT "Rendering the icon")
add_custom_target(kvc7345icons ALL DEPENDS ${KVC_ICON_PNGS})
# The window shows the icon too, from its resources.
qt_add_resources(kvc7345window "kvc7345icon" PREFIX "/" BASE ${CMAKE_BINARY_DIR}
                 FILES ${CMAKE_BINARY_DIR}/icons/64x64/kvc7345.png
                       ${CMAKE_BINARY_DIR}/icons/256x256/kvc7345.png)

# The install layout: the program in bin/, the browser and charts modules where the program looks
# for them,
# the shipped data a program folder is seeded from, and the desktop's files. The module sits a
# folder below lib/kvc7345: directly below lib/ a package tool takes it for a library of the
# linker's and adds ldconfig calls to the package.
install(TARGETS kvc7345 RUNTIME DESTINATION bin)
install(TARGETS kvc7345browser kvc7345charts LIBRARY DESTINATION lib/kvc7345/plugins)
set(KVC_INSTALLED_BINARIES bin/kvc7345 lib/kvc7345/plugins/kvc7345browser.so
                           lib/kvc7345/plugins/kvc7345charts.so)
if(KVC_DEMO)
  install(TARGETS kvc7345-modsim RUNTIME DESTINATION bin)
  list(APPEND KVC_INSTALLED_BINARIES bin/kvc7345-modsim)
endif()
# A stripped install (the package's) drops the compilers' version notes as well.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(binary ${KVC_INSTALLED_BINARIES})
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${binary}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
install(FILES ${CMAKE_SOURCE_DIR}/data/config.ini ${KVC_MANUAL} DESTINATION share/kvc7345)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/factorydefaults DESTINATION share/kvc7345)
install(FILES ${CMAKE_SOURCE_DIR}/data/kvc7345.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/io.github.norvik.kvc7345.metainfo.xml
        DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/kvc7345.svg
        DESTINATION share/icons/hicolor/scalable/apps)
foreach(size ${KVC_ICON_SIZES})
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/kvc7345.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${KVC_MANPAGE}.gz ${KVC_SIMULATOR_MANPAGE}.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${KVC_CHANGELOG}.gz
        DESTINATION share/doc/kvc7345)
install(FILES ${KVC_COMPLETION} DESTINATION share/bash-completion/completions)

# The Debian package: its dependencies on the Qt runtime are what dpkg-shlibdeps finds in the
# binaries. The platform plugins are loaded at run time, so no binary names them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvc7345)
set(CPACK_PACKAGE_VENDOR "Norvik")
set(CPACK_PACKAGE_CONTACT "Norvik support <support@nvproducts.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Configurator for the Q7300 and V7300 signal-conditioning modules")
# One string: separate strings would be joined with ";" into the text apt shows. Lines stay
# within the 80 columns of the control file.
set(CPACK_PACKAGE_DESCRIPTION
    "Identifies a Q7300 or V7300 module on a serial port, reads, edits, checks and
writes its configuration, keeps configuration files and logs, prints a report
sheet and shows live input values. Includes a simulated module for trying it
without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no binary names, so dpkg-shlibdeps cannot find it: Qt's platform plugins, loaded at run
# time, and the font the window's pages were laid out for (the report's font comes with it).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_STRIP_FILES ON)
include(CPack)

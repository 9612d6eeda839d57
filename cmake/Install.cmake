# What `cmake --install` puts on a machine, and the Debian package that CPack
# makes of it (scripts/package). The packaging data lives in packaging/.
include(GNUInstallDirs)

# Directories CPack creates for the package get the modes Debian expects,
# whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

option(ORVALIS_PACKAGE "Build everything the Debian package holds (scripts/package)" OFF)
# udev reads rules under /usr/local/lib too; Debian 12 keeps its own in /lib,
# where lintian looks (scripts/package sets that).
set(ORVALIS_UDEV_RULES_DIR lib/udev/rules.d CACHE STRING "Where the udev rule for serial adapters goes")

set(orvalis_app_id fr.vordan.Orvalis)
set(orvalis_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(orvalis_svg ${orvalis_packaging}/icons/${orvalis_app_id}.svg)
set(orvalis_data_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging)
include(${CMAKE_CURRENT_LIST_DIR}/ReleaseVersion.cmake)
if(ORVALIS_PACKAGE)
  orvalis_check_release_version(${PROJECT_VERSION} ${orvalis_packaging})
endif()

install(TARGETS orvalis orvalis-cli orvalis-virtual-module RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${orvalis_packaging}/${orvalis_app_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${orvalis_packaging}/${orvalis_app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${orvalis_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${orvalis_packaging}/70-orvalis-serial.rules DESTINATION ${ORVALIS_UDEV_RULES_DIR})
install(FILES ${orvalis_packaging}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(ORVALIS_PACKAGE)
  install(FILES ${orvalis_packaging}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          RENAME orvalis)
endif()

# The fixed-size icons are rendered from the one drawing.
set(orvalis_data_files)
find_program(ORVALIS_RSVG_CONVERT rsvg-convert)
if(ORVALIS_RSVG_CONVERT)
  foreach(size 16 32 48 64 128 256)
    set(png ${orvalis_data_dir}/icons/${size}x${size}/${orvalis_app_id}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${orvalis_data_dir}/icons/${size}x${size}
      COMMAND ${ORVALIS_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${orvalis_svg}
      DEPENDS ${orvalis_svg} VERBATIM)
    list(APPEND orvalis_data_files ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
elseif(ORVALIS_PACKAGE)
  message(FATAL_ERROR "rsvg-convert (librsvg2-bin) is missing: run scripts/setup")
else()
  message(STATUS "rsvg-convert not found: only the scalable icon is installed")
endif()

# Manual pages and the changelog go compressed, without name or time stamp.
function(orvalis_gzip source output)
  get_filename_component(dir ${output} DIRECTORY)
  string(REGEX REPLACE "\\.gz$" "" plain ${output})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
    COMMAND gzip -9nf ${plain}
    DEPENDS ${source} VERBATIM)
  set(orvalis_data_files ${orvalis_data_files} ${output} PARENT_SCOPE)
endfunction()
foreach(page orvalis orvalis-cli orvalis-virtual-module)
  orvalis_gzip(${orvalis_packaging}/man/${page}.1 ${orvalis_data_dir}/man/${page}.1.gz)
  install(FILES ${orvalis_data_dir}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
orvalis_gzip(${orvalis_packaging}/changelog ${orvalis_data_dir}/doc/changelog.gz)
install(FILES ${orvalis_data_dir}/doc/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

add_custom_target(orvalis-package-data ALL DEPENDS ${orvalis_data_files})

# The Debian package. Shared libraries are found by dpkg-shlibdeps; the QML
# modules the interface imports are loaded by name and must be listed here
# (the package test checks this list against the imports in qml/), and so
# are Qt's own German catalogues (qttranslations5-l10n).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvalis)
set(CPACK_PACKAGE_VENDOR VORDAN)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "VORDAN <support@vordan.fr>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for the Orvalis fuse and power monitor")
set(CPACK_PACKAGE_DESCRIPTION
"Orvalis configures and watches the Orvalis module, a three-phase fuse and
power monitor that answers Modbus RTU on a serial line (an RS-485 adapter).

The package holds the desktop program (orvalis), its command line
(orvalis-cli: save, compare and restore settings, read pages, update the
firmware, search a line for modules) and a virtual module
(orvalis-virtual-module) that plays the device on a pseudo-terminal, for
training and demonstrations.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qml-module-qtqml, qml-module-qtquick2, qml-module-qtquick-window2, qml-module-qtquick-layouts, qml-module-qtquick-controls, qml-module-qtquick-controls2, qml-module-qtquick-templates2, qml-module-qtquick-dialogs, qttranslations5-l10n")
# The virtual module serves a serial device; trainees make one with socat.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS socat)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

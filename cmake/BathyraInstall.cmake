# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#   cmake --install build --prefix /usr/local     programs in bin/, data in share/
#   (cd build && cpack -G DEB)                     bathyra_<version>_<arch>.deb
# The package's library dependencies are computed by dpkg-shlibdeps (package dpkg-dev)
# from the installed programs, so the Qt and Qwt runtime packages they link are declared
# whatever modules the build links (libqt5gui5 also brings the platform plugins).
include(GNUInstallDirs)

install(TARGETS bathyra bathyra-cli bathyra-ostc-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${BATHYRA_HELP_DIR}/Doc/ DESTINATION ${CMAKE_INSTALL_DATADIR}/bathyra/help)

# The desktop: the menu entry (opening the file types below), the file types the system does
# not know (shared-mime-info), the AppStream data of software centres, the icons, the man pages
# and the completion of bathyra-cli's options in bash.
set(desktop ${CMAKE_SOURCE_DIR}/resources/desktop)
install(FILES ${desktop}/bathyra.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/bathyra-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME bathyra.xml)
set(BATHYRA_APPSTREAM_ID "org.bathyra.bathyra" CACHE STRING
    "AppStream component id (reverse DNS of the project's domain)")
configure_file(${desktop}/bathyra.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/share/metainfo/${BATHYRA_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/share/metainfo/${BATHYRA_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop}/bathyra-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME bathyra-cli)

# The build tools and programs run during the build: without a leak report, which a sanitizer
# build would otherwise turn into a failed build over Qt's own start-up allocations.
set(run_tool ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0)

# Icons: the SVG, and PNGs in the theme's sizes rendered from it by a build tool (not installed).
add_executable(bathyra-render-icon ${desktop}/render_icon.cpp)
target_link_libraries(bathyra-render-icon PRIVATE Qt5::Gui Qt5::Svg)
install(FILES ${desktop}/bathyra.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
set(icons)
foreach(size 16 24 32 48 64 128 256)
  set(icon ${CMAKE_BINARY_DIR}/share/icons/hicolor/${size}x${size}/apps/bathyra.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/icons/hicolor/${size}x${size}/apps
    COMMAND ${run_tool} $<TARGET_FILE:bathyra-render-icon> ${desktop}/bathyra.svg ${size} ${icon}
    DEPENDS bathyra-render-icon ${desktop}/bathyra.svg VERBATIM)
  list(APPEND icons ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(bathyra_icons ALL DEPENDS ${icons})

# Man pages: help2man writes them from each program's --help and --version and the sections of
# resources/man/<program>.h2m; gzipped without a time stamp, as Debian wants them.
find_program(HELP2MAN help2man)
if(HELP2MAN)
  set(pages)
  foreach(program bathyra bathyra-cli bathyra-ostc-sim)
    set(page ${CMAKE_BINARY_DIR}/share/man/man1/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/man/man1
      COMMAND ${run_tool} ${HELP2MAN} --no-info --include ${CMAKE_SOURCE_DIR}/resources/man/${program}.h2m
              --output ${page} $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${page}
      DEPENDS ${program} ${CMAKE_SOURCE_DIR}/resources/man/${program}.h2m VERBATIM)
    list(APPEND pages ${page}.gz)
  endforeach()
  add_custom_target(bathyra_man_pages ALL DEPENDS ${pages})
  install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man not found (Debian package help2man): the man pages are not built")
endif()
# The licence in Debian's machine-readable copyright format (the GPL-3 text itself is the
# system's /usr/share/common-licenses/GPL-3).
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/bathyra)

# The Debian package. Its maintainer, in this one place, also signs the changelog.
set(BATHYRA_MAINTAINER "Bathyra developers <developers@bathyra.org>" CACHE STRING
    "Maintainer of the Debian package (name <address>)")
# Debian's changelog (the package's own history, resources/debian/changelog), gzipped without a
# time stamp; its first version is the package's version.
configure_file(${CMAKE_SOURCE_DIR}/resources/debian/changelog.in
               ${CMAKE_BINARY_DIR}/share/doc/bathyra/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/share/doc/bathyra/changelog.Debian.gz
  COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/share/doc/bathyra/changelog.Debian
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/debian/changelog.in VERBATIM)
add_custom_target(bathyra_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/share/doc/bathyra/changelog.Debian.gz)
install(FILES ${CMAKE_BINARY_DIR}/share/doc/bathyra/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/bathyra)
# What lintian is told to accept, each with its reason (resources/debian/lintian-overrides).
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME bathyra)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bathyra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Debian revision 1 of upstream ${PROJECT_VERSION}: the package is not a native one, so its
# changelog is changelog.Debian.gz.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_VENDOR "Bathyra")
set(CPACK_PACKAGE_CONTACT "${BATHYRA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BATHYRA_MAINTAINER}")
# Debian's Description: the summary line, then the long text (one string: a CMake list would
# put its ';' into the field); CPack puts the summary first, indents each line and writes " ."
# for an empty one.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "decompression planner for the OSTC dive computer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Bathyra runs the OSTC dive computer's own decompression computation on the
desktop: Buehlmann ZH-L16C for nitrogen and helium, plain or with gradient
factors, open or closed circuit, CNS oxygen exposure, desaturation and no-fly
time. It plans and compares dives, replays and edits logbook profiles
(DivingLog, Shearwater, UDDF, UDCF), and backs up, edits and restores the
computer's configuration over its serial line.

The package holds the window program, bathyra-cli to plan from the command
line and scripts, a simulated dive computer and the validation suite.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The installed programs without their symbols (BATHYRA_PACKAGE also builds them with Debian's
# hardening flags).
set(CPACK_STRIP_FILES ON)
# Qt's own translations, TIFF/JPEG plot export.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qttranslations5-l10n, qt5-image-formats-plugins")
include(CPack)

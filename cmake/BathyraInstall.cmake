# Installation and the Debian package.
#   cmake --install build --prefix /usr/local     programs in bin/, data in share/
#   (cd build && cpack -G DEB)                     bathyra_<version>_<arch>.deb
# The package's library dependencies are computed by dpkg-shlibdeps (package dpkg-dev)
# from the installed programs, so the Qt and Qwt runtime packages they link are declared
# whatever modules the build links (libqt5gui5 also brings the platform plugins).
include(GNUInstallDirs)

install(TARGETS bathyra bathyra-cli bathyra-ostc-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/Doc/ DESTINATION ${CMAKE_INSTALL_DATADIR}/bathyra/help)
install(FILES ${CMAKE_SOURCE_DIR}/resources/bathyra.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The licence in Debian's machine-readable copyright format (the GPL-3 text itself is the
# system's /usr/share/common-licenses/GPL-3).
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/bathyra)
install(FILES ${CMAKE_SOURCE_DIR}/resources/Icons/favico_128.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps RENAME bathyra.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bathyra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Bathyra")
set(CPACK_PACKAGE_CONTACT "Bathyra developers <bathyra@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Decompression planner and configuration tool for the OSTC dive computer")
set(CPACK_PACKAGE_DESCRIPTION
    "Runs the OSTC's own decompression computation on the desktop (Buehlmann ZH-L16C with\n"
    "gradient factors, open and closed circuit, CNS, no-fly), plans and compares dives,\n"
    "replays logbook profiles, and backs up, edits and restores the computer's configuration.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations, TIFF/JPEG plot export.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qttranslations5-l10n, qt5-image-formats-plugins")
include(CPack)

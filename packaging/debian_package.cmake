# The Debian package (CPack DEB): the three programs with their manual pages, the help pages, the
# desktop entry, the file types and the icon below /usr, with the dependencies that dpkg-shlibdeps finds for the programs.
# `scripts/package` builds it as build/release/ovis_<version>_<arch>.deb.

set(OVIS_PACKAGE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/ovis)
install(FILES packaging/ovis.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/copyright DESTINATION ${OVIS_PACKAGE_DOCDIR})
# The changelog of a native package and the manual pages are installed compressed, without a
# time stamp in the gzip header.
find_program(OVIS_GZIP gzip)
if(OVIS_GZIP)
  set(OVIS_COMPRESSED_DOCS)
  foreach(doc changelog man/ovis.1 man/ovisctl.1 man/ovis-sim.1)
    set(compressed ${CMAKE_BINARY_DIR}/packaging/${doc}.gz)
    get_filename_component(compressedDir ${compressed} DIRECTORY)
    add_custom_command(OUTPUT ${compressed}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${compressedDir}
                       COMMAND ${OVIS_GZIP} -9nc ${CMAKE_SOURCE_DIR}/packaging/${doc} > ${compressed}
                       DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${doc}
                       COMMENT "Compressing packaging/${doc}")
    list(APPEND OVIS_COMPRESSED_DOCS ${compressed})
  endforeach()
  add_custom_target(ovis_package_docs ALL DEPENDS ${OVIS_COMPRESSED_DOCS})
  install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${OVIS_PACKAGE_DOCDIR})
  install(FILES ${CMAKE_BINARY_DIR}/packaging/man/ovis.1.gz ${CMAKE_BINARY_DIR}/packaging/man/ovisctl.1.gz
                ${CMAKE_BINARY_DIR}/packaging/man/ovis-sim.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ovis)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_CONTACT "Ovis-Entwicklung <ovis@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack puts the summary as the first line before the description; no double quotes, which the
# generated CPack configuration would not keep.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Steuerung „Interface“ konfigurieren, programmieren und auswerten")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Mit Ovis konfigurieren Techniker die Steuerung „Interface“: Anschlussplan,
Gruppen, Zähler, Zeitglieder, LED-Anzeige und Programme eines Projekts
bearbeiten, die Konfiguration über die serielle Schnittstelle übertragen,
Aufzeichnungen auslesen und im Analyser und in der Statistik auswerten.
.
Das Paket enthält die Anwendung ovis, das Befehlszeilenwerkzeug ovisctl und
den Interface-Simulator ovis-sim.")

include(CPack)

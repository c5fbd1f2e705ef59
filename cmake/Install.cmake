# `cmake --install build --prefix P` and `cpack -G DEB`. The shipped
# isplan.ini and Image/ go to P/share/ispln/, from where an installed
# program seeds the user's own folder (app/ProgramFolder.cpp).
include(GNUInstallDirs)
install(TARGETS ispln ispln-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/isplan.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/ispln)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Image DESTINATION ${CMAKE_INSTALL_DATADIR}/ispln)
install(FILES ${CMAKE_SOURCE_DIR}/dist/org.ispln.ISPLN.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/dist/org.ispln.ISPLN.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/ispln.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME org.ispln.ISPLN.png)
install(FILES ${CMAKE_SOURCE_DIR}/dist/ispln-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME ispln)
set(CPACK_PACKAGE_VENDOR "ISPLN")
set(CPACK_PACKAGE_CONTACT "ISPLN <ispln@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Island planner: lay out an island on a grid of tiles, see its figures")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its display back ends at run time; shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
set(CPACK_STRIP_FILES ON)
include(CPack)

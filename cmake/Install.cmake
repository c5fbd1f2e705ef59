# `cmake --install build --prefix P` and `cpack -G DEB`. The shipped
# isplan.ini, Image/ and Stamps/ go to P/DATADIR/ispln/, from where an installed
# program seeds the user's own folder (filesystem/ProgramFolder.cpp); it finds
# them through the relative path BINDIR -> DATADIR, so any layout works
# (e.g. BINDIR=games DATADIR=share/games). What the desktop reads —
# launcher, metainfo, icons, file type, thumbnailer — lives under
# DATAROOTDIR whatever DATADIR is.
set(ISPLN_PACKAGE_CONTACT "ISPLN developers <ispln@localhost>" CACHE STRING
    "Maintainer of the package, \"Name <address>\" (lintian wants a real address)")

install(TARGETS ispln ispln-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/isplan.ini ${CMAKE_SOURCE_DIR}/data/isplan-en.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/ispln)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Image DESTINATION ${CMAKE_INSTALL_DATADIR}/ispln)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Stamps DESTINATION ${CMAKE_INSTALL_DATADIR}/ispln)

set(share ${CMAKE_INSTALL_DATAROOTDIR})
install(FILES ${CMAKE_SOURCE_DIR}/dist/org.ispln.ISPLN.desktop DESTINATION ${share}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/dist/org.ispln.ISPLN.metainfo.xml DESTINATION ${share}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/dist/org.ispln.ISPLN.mime.xml DESTINATION ${share}/mime/packages
        RENAME org.ispln.ISPLN.xml)
install(FILES ${CMAKE_SOURCE_DIR}/dist/org.ispln.ISPLN.thumbnailer DESTINATION ${share}/thumbnailers)
foreach(icon org.ispln.ISPLN:apps application-x-ispln-map:mimetypes)
  string(REPLACE ":" ";" icon ${icon})
  list(GET icon 0 name)
  list(GET icon 1 context)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/data/icons/${name}-${size}.png
            DESTINATION ${share}/icons/hicolor/${size}x${size}/${context} RENAME ${name}.png)
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/${name}.svg DESTINATION ${share}/icons/hicolor/scalable/${context})
endforeach()

# Manual pages and the change log, compressed without time stamps so that
# two builds give the same bytes.
set(docs ${CMAKE_BINARY_DIR}/dist)
set(gzipped)
foreach(page ispln.1 ispln-cli.1)
  add_custom_command(OUTPUT ${docs}/${page}.gz
    COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/dist/${page} -DOUT=${docs}/${page}.gz
            -P ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake
    DEPENDS ${CMAKE_SOURCE_DIR}/dist/${page} ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake VERBATIM)
  list(APPEND gzipped ${docs}/${page}.gz)
  install(FILES ${docs}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_command(OUTPUT ${docs}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/CHANGELOG.md -DOUT=${docs}/changelog.gz
          "-DCHANGELOG_FOR=ispln ${ISPLN_PACKAGE_CONTACT}" -P ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/CHANGELOG.md ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake VERBATIM)
add_custom_target(ispln_docs ALL DEPENDS ${gzipped} ${docs}/changelog.gz)
install(FILES ${docs}/changelog.gz ${CMAKE_SOURCE_DIR}/dist/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME ispln)
set(CPACK_PACKAGE_VENDOR "the ISPLN developers")
set(CPACK_PACKAGE_CONTACT "${ISPLN_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "island planner for Tidemark: tiles, masks and figures")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "ISPLN lays out an island of the island-building game Tidemark on a
staggered grid of square tiles: paint panel kinds from a catalogue, step
each cell's counter, mark cells or areas with masks, undo and redo, and
have the island's figures (population, funds, food, industry) computed.
.
Maps are saved as map files, which the file manager shows with a thumbnail
and opens in ISPLN, and can be shared as a short text code. The command-line
tool ispln-cli draws, checks, converts and measures map files without a
window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its display back ends (X11, Wayland) and its own translations
# at run time; shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
set(CPACK_STRIP_FILES ON)
set(CPACK_ISPLN_CHANGELOG ${CMAKE_SOURCE_DIR}/CHANGELOG.md)
set(CPACK_ISPLN_GZIP_SCRIPT ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/PackageChangelog.cmake)
include(CPack)

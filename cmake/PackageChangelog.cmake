# Run by cpack before it packs: the change log names the package's
# maintainer, which may be given only now (cpack -D CPACK_PACKAGE_CONTACT=…).
file(GLOB_RECURSE logs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/changelog.gz)
list(FILTER logs INCLUDE REGEX "/doc/ispln/changelog\\.gz$")
foreach(log IN LISTS logs)
  set(IN ${CPACK_ISPLN_CHANGELOG})
  set(OUT ${log})
  set(CHANGELOG_FOR "ispln ${CPACK_PACKAGE_CONTACT}")
  include(${CPACK_ISPLN_GZIP_SCRIPT})
endforeach()

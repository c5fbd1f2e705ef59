# Copies data/ beside the executable; an existing isplan.ini holds the
# user's settings and is kept.
file(MAKE_DIRECTORY ${DST}/Image)
file(GLOB images ${SRC}/Image/*)
file(COPY ${images} DESTINATION ${DST}/Image)
file(COPY ${SRC}/Stamps DESTINATION ${DST})
if(NOT EXISTS ${DST}/isplan.ini)
  file(COPY ${SRC}/isplan.ini DESTINATION ${DST})
endif()

target_sources(ispln_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EditTool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BitmapCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapArtwork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapRenderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PicturePng.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PngEncoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PixelOps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ViewZoom.cpp
)
# CRC-32 and Adler-32 of the picture files (zlib comes with Qt's own PNG support).
find_package(ZLIB REQUIRED)
target_link_libraries(ispln_core PRIVATE ZLIB::ZLIB)

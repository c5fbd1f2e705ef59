target_sources(ispln_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EditTool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FigureBand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BitmapCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapArtwork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapRenderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PicturePng.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PngEncoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PixelOps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ViewZoom.cpp
)
# The compression and checksums of the picture files.
find_path(LIBDEFLATE_INCLUDE_DIR libdeflate.h REQUIRED)
find_library(LIBDEFLATE_LIBRARY deflate REQUIRED)
target_include_directories(ispln_core PRIVATE ${LIBDEFLATE_INCLUDE_DIR})
target_link_libraries(ispln_core PRIVATE ${LIBDEFLATE_LIBRARY})

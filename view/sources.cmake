target_sources(ispln_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EditTool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BitmapCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapArtwork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapRenderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PicturePng.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PixelOps.cpp
)

list(APPEND ISPLN_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CellValues.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditTool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapShapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PaintTools.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ToolPreview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BitmapCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapArtwork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapRenderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PaletteImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PicturePng.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PngEncoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PixelOps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ViewZoom.cpp
)

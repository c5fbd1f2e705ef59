target_sources(ispln_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppWindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DropDst.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GuardedApplication.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapPicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapZoom.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecentMapsList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ToolbarIcons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit1Code.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit1Dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit1Files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit1Map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit1Picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit1Stats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit1Unsaved.cpp
)

target_sources(ispln_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MapFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapCode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BlockClipboard.cpp
)
target_sources(ispln_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Unit6.cpp
)

target_sources(ispln_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BufList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CheckedFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/File1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditOperation.cpp
)

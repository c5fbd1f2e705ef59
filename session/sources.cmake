target_sources(ispln_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MapSession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecoveryCopy.cpp
)

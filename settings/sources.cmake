target_sources(ispln_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Config.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecentFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecoveryStore.cpp
)

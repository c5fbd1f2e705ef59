target_sources(ispln_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Unit2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Unit4.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShiftJisGuard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
)
target_sources(ispln_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CatalogueEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShiftJisText.cpp
)

target_sources(ispln_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Unit6.cpp
)

target_sources(ispln_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/IslandFigures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Breakdown.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FigureList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FigureDelta.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LiveFigures.cpp
)
target_sources(ispln_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Unit5.cpp
)

# A deliverable of the suite: a MODULE library (loaded at run time by identifier, never linked)
# with common/ linked in statically. Only the C entry points are exported.
# The exported C entry points, built into a component library; its entry.cpp defines
# norvel::common::componentLibrary().
function(norvel_component_exports target)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/common/component_exports.cpp)
endfunction()

function(norvel_module target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${target} MODULE ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE norvel_common ${ARG_LIBS})
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    PREFIX "lib")
  target_link_options(${target} PRIVATE -Wl,--no-undefined)
  norvel_component_exports(${target})
endfunction()

# A component library of the suite: a MODULE library, loaded at run time by identifier and
# never linked, with common/ linked in statically and only the C entry points exported.
#
#   norvel_component_library(NAME
#     [PARTS source...]        built once as the object library NAME_parts, which the unit
#                              tests link too
#     [SOURCES source...]      built into the library only (its entry.cpp)
#     [LIBS target...]         further libraries to link
#     [OUTPUT_DIRECTORY dir])  where the library goes (default: lib/, beside its templates)
function(norvel_component_library target)
  cmake_parse_arguments(ARG "" "OUTPUT_DIRECTORY" "PARTS;SOURCES;LIBS" ${ARGN})
  set(sources ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/common/component_exports.cpp)
  if(ARG_PARTS)
    add_library(${target}_parts OBJECT ${ARG_PARTS})
    target_link_libraries(${target}_parts PUBLIC norvel_common)
    set_target_properties(${target}_parts PROPERTIES
      CXX_VISIBILITY_PRESET hidden
      VISIBILITY_INLINES_HIDDEN ON)
    list(APPEND sources $<TARGET_OBJECTS:${target}_parts>)
  endif()
  add_library(${target} MODULE ${sources})
  target_link_libraries(${target} PRIVATE norvel_common ${ARG_LIBS})
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    PREFIX "lib")
  if(ARG_OUTPUT_DIRECTORY)
    set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIRECTORY})
  endif()
  target_link_options(${target} PRIVATE -Wl,--no-undefined)
endfunction()

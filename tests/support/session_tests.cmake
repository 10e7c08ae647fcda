# Each session script sessions/NAME.nvs of the calling folder becomes the test PREFIX.NAME,
# played by run_session.sh on a copy of WEB with LIBRARIES registered, and compared with its
# expected files (NAME.out, NAME.err, NAME.web, NAME.exists). With MASK_LIB_DIR the build's
# lib/ is written <lib> in the transcript.
#
#   norvel_session_tests(PREFIX WEB web-folder LIBRARIES library... [MASK_LIB_DIR])
function(norvel_session_tests prefix)
  cmake_parse_arguments(ARG "MASK_LIB_DIR" "WEB" "LIBRARIES" ${ARGN})
  set(options)
  if(ARG_MASK_LIB_DIR)
    set(options --lib-dir ${CMAKE_BINARY_DIR}/lib)
  endif()
  file(GLOB scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sessions/*.nvs)
  foreach(script IN LISTS scripts)
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME ${prefix}.${name}
      COMMAND ${PROJECT_SOURCE_DIR}/tests/support/run_session.sh ${options}
              $<TARGET_FILE:norvel> ${ARG_WEB} ${script} ${ARG_LIBRARIES})
  endforeach()
endfunction()

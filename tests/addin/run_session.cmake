# Plays one session script of the add-in with `norvel run` and compares its transcript with
# the golden file, byte for byte.
#
#   cmake -DNORVEL=... -DLIB_DIR=... -DFAKE_DIR=... -DSESSION=name -DSESSIONS=folder
#         -DWORK=scratch -P run_session.cmake
#
# Every session gets a fresh settings folder (NORVEL_CONFIG_HOME) and a fresh copy of the
# test web. The libraries registered first are the add-in and the three fake collections,
# unless NAME.libs lists others, one a line:
#   norvelfp          the add-in as built
#   norvelfp-nohelp   a copy of the add-in in a folder without help files
#   norvelpc, norveljsc, norvelsc   the fake collections
# The session must exit 0, unless NAME.err exists: then it must exit 1 with exactly that on
# standard error. Paths of the build and of the scratch folder are written <lib> and <work>.
foreach(variable NORVEL LIB_DIR FAKE_DIR SESSION SESSIONS WORK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "run_session.cmake needs -D${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/config")
file(COPY "${SESSIONS}/web" DESTINATION "${WORK}")

set(libraries norvelfp norvelpc norveljsc norvelsc)
if(EXISTS "${SESSIONS}/${SESSION}.libs")
  file(STRINGS "${SESSIONS}/${SESSION}.libs" libraries)
endif()
set(paths)
foreach(library IN LISTS libraries)
  if(library STREQUAL "norvelfp")
    list(APPEND paths "${LIB_DIR}/libnorvelfp.so")
  elseif(library STREQUAL "norvelfp-nohelp")
    file(COPY "${LIB_DIR}/libnorvelfp.so" DESTINATION "${WORK}/addin-nohelp")
    list(APPEND paths "${WORK}/addin-nohelp/libnorvelfp.so")
  else()
    list(APPEND paths "${FAKE_DIR}/libfake_${library}.so")
  endif()
endforeach()

set(environment "${CMAKE_COMMAND}" -E env "NORVEL_CONFIG_HOME=${WORK}/config")
execute_process(
  COMMAND ${environment} "${NORVEL}" register ${paths}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "norvel register failed (${status}):\n${output}${errors}")
endif()

execute_process(
  COMMAND ${environment} "${NORVEL}" run --web "${WORK}/web" "${SESSION}.nvs"
  WORKING_DIRECTORY "${SESSIONS}"
  RESULT_VARIABLE status OUTPUT_VARIABLE transcript ERROR_VARIABLE errors)

file(REAL_PATH "${LIB_DIR}" lib_real)
file(REAL_PATH "${WORK}" work_real)
foreach(text transcript errors)
  string(REPLACE "${lib_real}" "<lib>" ${text} "${${text}}")
  string(REPLACE "${work_real}" "<work>" ${text} "${${text}}")
endforeach()
file(WRITE "${WORK}/actual.out" "${transcript}")
file(WRITE "${WORK}/actual.err" "${errors}")

set(expected_status 0)
set(expected_errors "")
if(EXISTS "${SESSIONS}/${SESSION}.err")
  set(expected_status 1)
  file(READ "${SESSIONS}/${SESSION}.err" expected_errors)
endif()
file(READ "${SESSIONS}/${SESSION}.out" expected)

set(problems "")
if(NOT status EQUAL expected_status)
  string(APPEND problems "exit status ${status}, expected ${expected_status}\n")
endif()
if(NOT transcript STREQUAL expected)
  string(APPEND problems "the transcript differs from ${SESSION}.out "
         "(actual: ${WORK}/actual.out)\n")
endif()
if(NOT errors STREQUAL expected_errors)
  string(APPEND problems "standard error differs (actual: ${WORK}/actual.err)\n")
endif()
if(problems)
  message(FATAL_ERROR "${problems}--- transcript\n${transcript}--- standard error\n${errors}")
endif()

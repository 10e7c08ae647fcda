# Where the suite is installed (the usual Debian layout): the programs in bin/, the component
# libraries in a private library folder, templates and help under share/norvel. The programs
# and libraries find each other relative to their own files, so these relative paths are
# compiled into common/install_layout.cpp and an installed tree can be moved anywhere.
include(GNUInstallDirs)

# Private libraries of one architecture go into its multiarch folder (lib/x86_64-linux-gnu),
# as Debian does for them, whatever the prefix.
if(CMAKE_LIBRARY_ARCHITECTURE AND CMAKE_INSTALL_LIBDIR STREQUAL "lib")
  set(norvel_default_librarydir "lib/${CMAKE_LIBRARY_ARCHITECTURE}/norvel")
else()
  set(norvel_default_librarydir "${CMAKE_INSTALL_LIBDIR}/norvel")
endif()
set(NORVEL_INSTALL_LIBRARYDIR "${norvel_default_librarydir}" CACHE STRING
  "Where the suite's component libraries are installed, relative to the prefix")
set(NORVEL_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/norvel")

# Relative paths between install directories, measured under any common prefix.
function(norvel_relative_install_path variable from to)
  set(root "/norvel-prefix")
  foreach(dir from to)
    if(IS_ABSOLUTE "${${dir}}")
      message(FATAL_ERROR "The install directories must be relative to the prefix for an "
                          "installation that can be moved: ${${dir}}")
    endif()
  endforeach()
  file(RELATIVE_PATH relative "${root}/${from}" "${root}/${to}")
  set(${variable} "${relative}" PARENT_SCOPE)
endfunction()

norvel_relative_install_path(NORVEL_LIBRARIES_FROM_PROGRAMS
  "${CMAKE_INSTALL_BINDIR}" "${NORVEL_INSTALL_LIBRARYDIR}")
norvel_relative_install_path(NORVEL_TEMPLATES_FROM_LIBRARIES
  "${NORVEL_INSTALL_LIBRARYDIR}" "${NORVEL_INSTALL_DATADIR}")

# `cmake --install`: the programs, every component library the build makes, the templates and
# help files, and what makes the suite a desktop program (entry, icons, metainfo, manual pages,
# bash completion). The layout is set in NorvelInstallDirs.cmake.

# The component libraries are the MODULE libraries of the suite's own folders (the tests make
# modules of their own): found by walking the folders, so that a library added later is
# installed without a new rule.
function(norvel_collect_component_libraries directory result)
  set(found)
  get_property(targets DIRECTORY "${directory}" PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "MODULE_LIBRARY")
      list(APPEND found ${target})
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY "${directory}" PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    file(RELATIVE_PATH relative "${PROJECT_SOURCE_DIR}" "${subdirectory}")
    if(relative MATCHES "^(tests|bench)(/|$)")
      continue()
    endif()
    norvel_collect_component_libraries("${subdirectory}" below)
    list(APPEND found ${below})
  endforeach()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

norvel_collect_component_libraries("${PROJECT_SOURCE_DIR}" NORVEL_COMPONENT_LIBRARIES)
install(TARGETS ${NORVEL_COMPONENT_LIBRARIES}
  LIBRARY DESTINATION "${NORVEL_INSTALL_LIBRARYDIR}")

set(norvel_programs norvel)
if(NORVEL_BUILD_STUDIO)
  list(APPEND norvel_programs norvel-studio)
endif()
install(TARGETS ${norvel_programs} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

# Whatever the build puts beside the libraries (the template folders and help/) is their data.
install(DIRECTORY "${CMAKE_BINARY_DIR}/lib/"
  DESTINATION "${NORVEL_INSTALL_DATADIR}"
  PATTERN "*.so" EXCLUDE)

# Manual pages and the changelog, compressed as Debian wants them (no name or time stamp in
# the gzip header, so the package is the same at each build).
function(norvel_compressed_file source output)
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/packaging"
    COMMAND gzip -9 -n -c "${source}" > "${output}"
    DEPENDS "${source}"
    COMMENT "Compressing ${source}")
endfunction()

set(norvel_manual_pages norvel.1)
if(NORVEL_BUILD_STUDIO)
  list(APPEND norvel_manual_pages norvel-studio.1)
endif()
set(norvel_compressed_pages)
foreach(page IN LISTS norvel_manual_pages)
  set(output "${CMAKE_BINARY_DIR}/packaging/${page}.gz")
  norvel_compressed_file("${PROJECT_SOURCE_DIR}/packaging/man/${page}" "${output}")
  list(APPEND norvel_compressed_pages "${output}")
endforeach()
set(norvel_changelog "${CMAKE_BINARY_DIR}/packaging/changelog.gz")
norvel_compressed_file("${PROJECT_SOURCE_DIR}/packaging/changelog" "${norvel_changelog}")
add_custom_target(norvel_compressed_files ALL DEPENDS ${norvel_compressed_pages} ${norvel_changelog})
install(FILES ${norvel_compressed_pages} DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${norvel_changelog}" DESTINATION "${CMAKE_INSTALL_DOCDIR}")

install(FILES "${PROJECT_SOURCE_DIR}/packaging/bash-completion/norvel"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright"
  DESTINATION "${CMAKE_INSTALL_DOCDIR}")

if(NORVEL_BUILD_STUDIO)
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/bash-completion/norvel-studio"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions")
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/norvel-studio.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/io.github.norvel.studio.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/icons/norvel-studio.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
  foreach(size 16 24 32 48 64 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/icons/${size}/norvel-studio.png"
      DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
  endforeach()
endif()

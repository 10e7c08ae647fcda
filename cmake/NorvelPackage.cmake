# The Debian package: `cpack -G DEB` in the build folder (or scripts/package.sh) makes
# norvel_VERSION_ARCH.deb from what `cmake --install` installs, under /usr. Its dependencies
# are read from the libraries the programs link (dpkg-shlibdeps); Qt's platform plugins are
# loaded at run time, so no linker dependency names them.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "norvel")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Norvel developers")
# The maintainer named in the package; the project has no address of its own yet.
set(NORVEL_PACKAGE_MAINTAINER "The Norvel developers <norvel@example.org>" CACHE STRING
  "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${NORVEL_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "add-in suite for a web editor, with an editor stand-in")
# Lines of at most 79 characters, as Debian wants the extended description.
set(CPACK_PACKAGE_DESCRIPTION
  "Norvel inserts ready-made dynamic features into web pages: server-side polls
in PHP or ASP, scroll-bar colours, and client-side scripts (add to favourites,
slide show, fading messages, current date, show and hide). It comes with an
editor stand-in that edits real pages in a folder: norvel plays scripted
sessions without a window, norvel-studio shows the editor in a Qt window.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "web")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(NORVEL_BUILD_STUDIO)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
# The generated poll scripts run on a web server with PHP; the suite itself does not need it.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "php-cli")
include(CPack)

# The Debian package: `cpack -G DEB` in the build folder packs what
# `cmake --install` installs, under /usr, with Debian's copyright and changelog
# files beside it, its Depends worked out from the program's shared libraries.
include(GNUInstallDirs)

set(SETTINGS_DEBIAN_DIR ${PROJECT_BINARY_DIR}/debian)
set(SETTINGS_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${SETTINGS_PROGRAM})

# The copyright file in Debian's machine-readable form, made from LICENSE so
# the two never differ: the holder from its Copyright line, the permission text
# as the licence body (continuation lines indented, empty lines as " .").
file(READ ${PROJECT_SOURCE_DIR}/LICENSE settings_license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" settings_holder_line "${settings_license}")
set(settings_holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n" "" settings_license_body "${settings_license}")
string(STRIP "${settings_license_body}" settings_license_body)
string(REPLACE "\n\n" "\n.\n" settings_license_body "${settings_license_body}")
string(REPLACE "\n" "\n " settings_license_body "${settings_license_body}")
file(WRITE ${SETTINGS_DEBIAN_DIR}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: ${SETTINGS_PROGRAM}\n"
  "Source: ${SETTINGS_HOMEPAGE}\n"
  "\n"
  "Files: *\n"
  "Copyright: ${settings_holder}\n"
  "License: MIT\n"
  " ${settings_license_body}\n")

# The changelog of a native package, compressed without a time stamp.
execute_process(COMMAND date -R -u -d "${SETTINGS_RELEASE_DATE} 12:00:00"
  OUTPUT_VARIABLE SETTINGS_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${SETTINGS_DEBIAN_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${SETTINGS_DEBIAN_DIR}/changelog.gz
  COMMAND gzip -9nkf changelog
  DEPENDS ${SETTINGS_DEBIAN_DIR}/changelog
  WORKING_DIRECTORY ${SETTINGS_DEBIAN_DIR})
add_custom_target(debian_changelog ALL DEPENDS ${SETTINGS_DEBIAN_DIR}/changelog.gz)
install(FILES ${SETTINGS_DEBIAN_DIR}/copyright ${SETTINGS_DEBIAN_DIR}/changelog.gz DESTINATION ${SETTINGS_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SETTINGS_PROGRAM})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${SETTINGS_DEVELOPER})
set(CPACK_PACKAGE_CONTACT ${SETTINGS_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guide to the jumpers and connectors of a USB input board")
set(CPACK_PACKAGE_DESCRIPTION
  "Board Settings guides the owner of a USB digital-input board through its
jumpers, connectors and indicators. It shows a photograph of the board with
coloured rings over the places that matter: yellow for settings, blue for
information, red for calibration.

Hovering a ring opens a small popup with text, pictures and live controls,
such as a drawn jumper kept in step with two radio buttons. The menu lists
every ring, and Previous, Next and Done walk through them as a guided tour.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${SETTINGS_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SETTINGS_HOMEPAGE})
# Depends from the libraries the program links (dpkg-shlibdeps). Qt loads its
# X11 plugin from libqt6gui6, which the program links anyway; the Wayland
# plugin is only needed where there is no XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)

# What `cmake --install` puts on a desktop, and the Debian package built from it with
# `cpack -G DEB`. Both take the version from project(VERSION).
include(GNUInstallDirs)

set(OHMQUILL_APP_ID org.ohmquill.Ohmquill)
# The day of this release, once as the metainfo writes it and once as the changelog does.
set(OHMQUILL_RELEASE_DATE 2024-06-01)
set(OHMQUILL_RELEASE_STAMP "Sat, 01 Jun 2024 00:00:00 +0000")
configure_file(dist/${OHMQUILL_APP_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${OHMQUILL_APP_ID}.metainfo.xml @ONLY)

# The Debian copyright file quotes the licence below its first lines (title and copyright
# holder), indented, with " ." for each empty line.
file(READ LICENSE licence)
string(REGEX REPLACE "^.*Copyright[^\n]*\n\n" "" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " OHMQUILL_LICENSE_PARAGRAPH " ${licence}")
configure_file(dist/copyright.in ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)

# The changelog ships compressed, without a name or time stamp in the gzip header, so that
# two builds of one version give the same file.
find_program(OHMQUILL_GZIP gzip REQUIRED)
configure_file(dist/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
                   COMMAND ${OHMQUILL_GZIP} -9nkf ${CMAKE_CURRENT_BINARY_DIR}/changelog
                   DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog VERBATIM)
add_custom_target(ohmquill_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)

install(TARGETS ohmquill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES dist/${OHMQUILL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES assets/icons/${OHMQUILL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${OHMQUILL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES LICENSE ${CMAKE_CURRENT_BINARY_DIR}/copyright
              ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ohmquill)
set(CPACK_PACKAGE_VENDOR "The Ohmquill developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculator for everyday electronics work")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Resistor power, voltage divider, serial and parallel resistors with standard-value pairs, "
    "PI-net and T-net attenuators, dB and level conversions, rise time, reactance, number bases "
    "and op-amp gain networks, computed as you type.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.ohmquill.org/")
set(CPACK_PACKAGE_CONTACT "The Ohmquill developers <qz@ohmquill.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
# The package carries the program without its debugging sections.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The Qt libraries and their versions come from the binary itself (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

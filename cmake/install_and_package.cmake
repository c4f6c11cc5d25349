# What `cmake --install` puts on a desktop, and the Debian package built from it with
# `cpack -G DEB`. Both take the version from project(VERSION).
include(GNUInstallDirs)

set(OHMQUILL_APP_ID org.ohmquill.Ohmquill)
configure_file(dist/${OHMQUILL_APP_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${OHMQUILL_APP_ID}.metainfo.xml @ONLY)

install(TARGETS ohmquill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES dist/${OHMQUILL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES assets/icons/${OHMQUILL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${OHMQUILL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

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
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The Qt libraries and their versions come from the binary itself (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

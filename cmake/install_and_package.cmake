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

# The command line's manual page, written by help2man from its --help and --version, dated with
# the release so that two builds give the same page; and its bash completion, which the program
# writes from the same commands.
find_program(OHMQUILL_HELP2MAN help2man REQUIRED)
execute_process(COMMAND date -u -d ${OHMQUILL_RELEASE_DATE} +%s OUTPUT_VARIABLE release_epoch
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(cli_man ${CMAKE_CURRENT_BINARY_DIR}/ohmquill-cli.1)
add_custom_command(OUTPUT ${cli_man}.gz
                   COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${release_epoch}
                           ${OHMQUILL_HELP2MAN} --no-info --section 1
                           --name "every Ohmquill calculator from the command line"
                           --include ${CMAKE_CURRENT_SOURCE_DIR}/dist/ohmquill-cli.h2m
                           --output ${cli_man} $<TARGET_FILE:ohmquill-cli>
                   COMMAND ${OHMQUILL_GZIP} -9nf ${cli_man}
                   DEPENDS ohmquill-cli dist/ohmquill-cli.h2m VERBATIM)
set(cli_completion ${CMAKE_CURRENT_BINARY_DIR}/ohmquill-cli.bash)
add_custom_command(OUTPUT ${cli_completion}
                   COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:ohmquill-cli>
                           -DOUTPUT=${cli_completion}
                           -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/cli_completion.cmake
                   DEPENDS ohmquill-cli cmake/cli_completion.cmake VERBATIM)
add_custom_target(ohmquill_cli_docs ALL DEPENDS ${cli_man}.gz ${cli_completion})

install(TARGETS ohmquill ohmquill-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${cli_man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${cli_completion} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME ohmquill-cli)
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
    "and op-amp gain networks, computed as you type; ohmquill-cli answers the same from the "
    "command line, in text or JSON.")
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

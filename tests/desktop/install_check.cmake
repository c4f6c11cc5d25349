# Installs the build, stripped, into a scratch root as a packager does (DESTDIR) and checks what
# lands there with the desktop's own validators.
#   cmake -DBUILD_DIR=<build> -DWORK_DIR=<scratch> -DVERSION=<x.y> -P install_check.cmake

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${ARGN}\nfailed (${rc}):\n${out}")
    endif()
endfunction()

function(need tool)
    find_program(${tool}_path ${tool})
    if(NOT ${tool}_path)
        message(FATAL_ERROR "${tool} is missing; scripts/setup installs it")
    endif()
endfunction()

need(desktop-file-validate)
need(appstreamcli)
need(readelf)

set(root ${WORK_DIR}/root)
file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    --strip)

set(expected
    usr/bin/ohmquill
    usr/bin/ohmquill-cli
    usr/share/applications/org.ohmquill.Ohmquill.desktop
    usr/share/bash-completion/completions/ohmquill-cli
    usr/share/doc/ohmquill/LICENSE
    usr/share/doc/ohmquill/changelog.gz
    usr/share/doc/ohmquill/copyright
    usr/share/icons/hicolor/scalable/apps/org.ohmquill.Ohmquill.svg
    usr/share/man/man1/ohmquill-cli.1.gz
    usr/share/metainfo/org.ohmquill.Ohmquill.metainfo.xml)
file(GLOB_RECURSE installed RELATIVE ${root} ${root}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

run(desktop-file-validate ${root}/usr/share/applications/org.ohmquill.Ohmquill.desktop)
run(appstreamcli validate --no-net --strict
    ${root}/usr/share/metainfo/org.ohmquill.Ohmquill.metainfo.xml)

file(READ ${root}/usr/share/metainfo/org.ohmquill.Ohmquill.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
    message(FATAL_ERROR "the metainfo does not name release ${VERSION}")
endif()
file(READ ${root}/usr/share/applications/org.ohmquill.Ohmquill.desktop entry)
if(NOT entry MATCHES "\nIcon=org.ohmquill.Ohmquill\n" OR NOT entry MATCHES "\nExec=ohmquill\n")
    message(FATAL_ERROR "the desktop entry does not start the installed program with its icon")
endif()
# Under X11 the window's class is the application name, which is the program's name; the desktop
# matches the window to its entry (and ends the launch feedback) by it.
if(NOT entry MATCHES "\nStartupWMClass=ohmquill\n")
    message(FATAL_ERROR "the desktop entry does not name the window class ohmquill")
endif()

foreach(program ohmquill ohmquill-cli)
    execute_process(COMMAND readelf -S --wide ${root}/usr/bin/${program}
                    OUTPUT_VARIABLE sections RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0 OR sections MATCHES "\\.debug_|\\.symtab")
        message(FATAL_ERROR "the installed ${program} is not stripped:\n${sections}")
    endif()
endforeach()

# The command line's manual page comes from its own --help, gzipped without a name or time
# stamp; its completion is a bash script that completes it.
file(READ ${root}/usr/share/man/man1/ohmquill-cli.1.gz header HEX LIMIT 8)
if(NOT header MATCHES "^1f8b08(00|01|02|04|05|06|07)00000000$")
    message(FATAL_ERROR "ohmquill-cli.1.gz carries a name or a time stamp: ${header}")
endif()
execute_process(COMMAND gzip -dc ${root}/usr/share/man/man1/ohmquill-cli.1.gz
                OUTPUT_VARIABLE page RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT page MATCHES "\n\\.TH OHMQUILL-CLI \"1\""
   OR NOT page MATCHES "ohmquill\\\\-cli pi ")
    message(FATAL_ERROR "the manual page of ohmquill-cli is not its help:\n${page}")
endif()
set(completion ${root}/usr/share/bash-completion/completions/ohmquill-cli)
run(bash -n ${completion})
file(READ ${completion} script)
if(NOT script MATCHES "\ncomplete -F _ohmquill_cli ohmquill-cli\n")
    message(FATAL_ERROR "the completion does not complete ohmquill-cli:\n${script}")
endif()

file(READ ${root}/usr/share/doc/ohmquill/copyright copyright)
if(NOT copyright MATCHES
   "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
   OR NOT copyright MATCHES "\nLicense: Expat\n Permission is hereby granted")
    message(FATAL_ERROR "copyright is not a machine-readable copyright file:\n${copyright}")
endif()
# gzip -n: neither the file name (flag 0x08) nor a time stamp in the header.
file(READ ${root}/usr/share/doc/ohmquill/changelog.gz header HEX LIMIT 8)
if(NOT header MATCHES "^1f8b08(00|01|02|04|05|06|07)00000000$")
    message(FATAL_ERROR "changelog.gz carries a name or a time stamp: ${header}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})

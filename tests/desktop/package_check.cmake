# Builds the Debian package, checks what it carries (copyright, changelog, a stripped program),
# unpacks it into a scratch root and starts the program from there: it answers --version and
# --help without a display, and runs headless for a moment without crashing.
#   cmake -DBUILD_DIR=<build> -DWORK_DIR=<scratch> -DVERSION=<x.y> -P package_check.cmake

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${ARGN}\nfailed (${rc}):\n${out}${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

get_filename_component(cmake_dir ${CMAKE_COMMAND} DIRECTORY)
foreach(tool cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog gzip readelf)
    find_program(${tool}_path ${tool} HINTS ${cmake_dir})
    if(NOT ${tool}_path)
        message(FATAL_ERROR "${tool} is missing; scripts/setup installs it")
    endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
run(${cpack_path} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/out)
file(GLOB debs ${WORK_DIR}/out/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package, found: ${debs}")
endif()

# The dependencies come from the binary's libraries, not from a list kept by hand.
run(dpkg-deb --field ${debs} Package Version Depends)
if(NOT out MATCHES "Version: ${VERSION}" OR NOT out MATCHES "libqt6widgets6")
    message(FATAL_ERROR "package fields:\n${out}")
endif()

# What Debian asks of every package's documentation folder.
run(dpkg-deb --contents ${debs})
foreach(doc copyright changelog.gz)
    if(NOT out MATCHES " \\./usr/share/doc/ohmquill/${doc}\n")
        message(FATAL_ERROR "the package lacks usr/share/doc/ohmquill/${doc}:\n${out}")
    endif()
endforeach()
# The command line with its manual page and completion.
foreach(file bin/ohmquill-cli share/man/man1/ohmquill-cli.1.gz
        share/bash-completion/completions/ohmquill-cli)
    if(NOT out MATCHES " \\./usr/${file}\n")
        message(FATAL_ERROR "the package lacks usr/${file}:\n${out}")
    endif()
endforeach()

set(root ${WORK_DIR}/root)
run(dpkg-deb -x ${debs} ${root})
set(program ${root}/usr/bin/ohmquill)

run(readelf -S --wide ${program})
if(out MATCHES "\\.debug_|\\.symtab")
    message(FATAL_ERROR "the packaged program is not stripped:\n${out}")
endif()

# The changelog's newest entry is this version.
run(gzip -dc ${root}/usr/share/doc/ohmquill/changelog.gz)
file(WRITE ${WORK_DIR}/changelog "${out}")
run(dpkg-parsechangelog -l ${WORK_DIR}/changelog -S Version)
if(NOT out STREQUAL "${VERSION}\n")
    message(FATAL_ERROR "the changelog's newest entry is version '${out}', not ${VERSION}")
endif()

# No display at all: the answers must not need one. (The environment is set here rather than
# through `cmake -E env`, so that the timeout below stops the program itself.)
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
set(ENV{QT_QPA_PLATFORM} xcb)
run(${program} --version)
if(NOT out STREQUAL "ohmquill ${VERSION}\n")
    message(FATAL_ERROR "--version printed: '${out}'")
endif()
run(${program} --help)
if(NOT out MATCHES "--version" OR NOT out MATCHES "--help")
    message(FATAL_ERROR "--help printed: '${out}'")
endif()

# The command line needs no display either, and no toolkit library at all.
set(cli ${root}/usr/bin/ohmquill-cli)
run(readelf -d ${cli})
if(out MATCHES "libQt")
    message(FATAL_ERROR "ohmquill-cli links a Qt library:\n${out}")
endif()
run(${cli} --version)
if(NOT out STREQUAL "ohmquill-cli ${VERSION}\n")
    message(FATAL_ERROR "ohmquill-cli --version printed: '${out}'")
endif()
run(${cli} cz --c 1u --f 1k)
if(NOT out MATCHES "\nz = 159\\.15 \\(159\\.15 ohm\\)\n")
    message(FATAL_ERROR "ohmquill-cli cz printed: '${out}'")
endif()

# A real start, headless and with settings of its own; it must still be running when stopped.
file(MAKE_DIRECTORY ${WORK_DIR}/config)
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{XDG_CONFIG_HOME} ${WORK_DIR}/config)
execute_process(COMMAND ${program} TIMEOUT 2 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc MATCHES "timeout")
    message(FATAL_ERROR "the installed program ended on its own (${rc}):\n${out}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})

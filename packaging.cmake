# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installation: the program in a folder of its own (lib/quorvane) where it finds its sound
# and help text beside itself, as links to the files in share/quorvane; the command in games/
# on the PATH; and what a desktop and a software centre read: the menu entry, the record
# file type, the AppStream data, the icons and the manual page.
# The Debian package (debian/) is built from these rules.
include(GNUInstallDirs)

# Not CMAKE_INSTALL_LIBDIR: Debian makes that a multiarch folder, and the program folder
# is the same on every architecture.
set(QUORVANE_APP_DIR "lib/quorvane")
set(QUORVANE_DATA_DIR "${CMAKE_INSTALL_DATADIR}/quorvane")
set(QUORVANE_ID "invalid.quorvane.Quorvane")

# Installs LINK as a relative link to TARGET (both relative to the prefix), so that the
# installed tree works wherever the prefix puts it.
function(quorvane_install_link target link)
    cmake_path(GET link PARENT_PATH folder)
    cmake_path(RELATIVE_PATH target BASE_DIRECTORY "${folder}")
    install(CODE "
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${folder}\")
        file(CREATE_LINK \"${target}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\" SYMBOLIC)
    ")
endfunction()

install(TARGETS quorvane RUNTIME DESTINATION "${QUORVANE_APP_DIR}")
# The program finds its files beside the real executable, not beside the command's link.
quorvane_install_link("${QUORVANE_APP_DIR}/quorvane" games/quorvane)
install(FILES resources/Move.wav resources/readme.txt DESTINATION "${QUORVANE_DATA_DIR}")
foreach(file Move.wav readme.txt)
    quorvane_install_link("${QUORVANE_DATA_DIR}/${file}" "${QUORVANE_APP_DIR}/${file}")
endforeach()
install(FILES README.md DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/quorvane")
# The README shows the screenshot by its relative path.
install(FILES docs/screenshot.png DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/quorvane/docs")
# The About box links the README; in a build tree it is looked for beside the program.
configure_file(README.md "${CMAKE_BINARY_DIR}/README.md" COPYONLY)

install(FILES "resources/${QUORVANE_ID}.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "resources/${QUORVANE_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "resources/${QUORVANE_ID}.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
install(FILES resources/quorvane.6 DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")

# The icon in the sizes desktops ask for, drawn from the one SVG by the same tool that draws
# the window icon.
set(quorvane_icons "")
foreach(size 16 22 24 32 48 64 128 256)
    set(png "${CMAKE_BINARY_DIR}/icons/${size}x${size}/${QUORVANE_ID}.png")
    add_custom_command(OUTPUT "${png}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/icons/${size}x${size}"
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:quorvane_render_icon> "${PROJECT_SOURCE_DIR}/resources/quorvane.svg"
            "${png}" ${size}
        DEPENDS quorvane_render_icon resources/quorvane.svg VERBATIM)
    list(APPEND quorvane_icons "${png}")
    install(FILES "${png}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()
add_custom_target(quorvane_icons ALL DEPENDS ${quorvane_icons})
install(FILES resources/quorvane.svg DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${QUORVANE_ID}.svg")

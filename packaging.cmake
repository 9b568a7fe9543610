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

# The icon in the sizes desktops ask for, as the program carries them (resources/).
foreach(size png IN ZIP_LISTS QUORVANE_ICON_SIZES QUORVANE_ICON_PNGS)
    install(FILES "${png}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME "${QUORVANE_ID}.png")
endforeach()
install(FILES resources/quorvane.svg DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${QUORVANE_ID}.svg")

# Installation: the program, its sound, help text and icon together in one folder
# (lib/quorvane), a command on the PATH, and a menu entry. CPack turns it into a .deb.
include(GNUInstallDirs)

set(QUORVANE_APP_DIR "${CMAKE_INSTALL_LIBDIR}/quorvane")
install(TARGETS quorvane RUNTIME DESTINATION "${QUORVANE_APP_DIR}")
install(FILES resources/Move.wav resources/readme.txt resources/quorvane.png
        DESTINATION "${QUORVANE_APP_DIR}")
# A relative link, so the installed tree works wherever the prefix puts it; the program
# finds its files beside the real executable, not beside the link.
install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"../${QUORVANE_APP_DIR}/quorvane\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quorvane\" SYMBOLIC)
")
install(FILES resources/quorvane.desktop DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES resources/quorvane.png
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps")
install(FILES resources/quorvane.svg
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "quorvane")
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_CONTACT "Quorvane developers <quorvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reversi against the computer, with a Chinese interface")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without a CJK face the Chinese texts would show as boxes; the translation gives 是/否.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, shared-mime-info, desktop-file-utils")
include(CPack)

# A Debian package of everything `cmake --install` puts in place, made with
# `cpack -G DEB` in the build folder. Its dependencies are read from the
# programs' libraries by dpkg-shlibdeps; its maintainer scripts enable and
# start the index service on install and stop it on removal, the way
# Debian's systemd helpers do it for packages built with debhelper.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talvenquist)
set(CPACK_PACKAGE_VENDOR "Talvenquist")
set(CPACK_PACKAGE_CONTACT "Talvenquist developers <talvenquist@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Instant file search by name and contents")
set(CPACK_PACKAGE_DESCRIPTION
    "Finds files and folders by name almost at once from an index of every local volume kept by a\n"
    "system service, walks folders the index does not cover, and searches file contents.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opening files, the administrator password and PDF contents; the legacy
# Office readers are a bonus.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "pkexec, xdg-utils, poppler-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "catdoc, adwaita-icon-theme, libqt5svg5")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_LIST_DIR}/debian/postinst
    ${CMAKE_CURRENT_LIST_DIR}/debian/prerm
    ${CMAKE_CURRENT_LIST_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

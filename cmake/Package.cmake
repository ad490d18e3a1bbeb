# The Debian package: `cpack` in a build folder makes tessary_<version>_amd64.deb from the install
# tree of cmake/Install.cmake (tools/package.sh is the one command that does it all).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessary)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessary developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keep track of bulk order deeds (Japanese interface)")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessary keeps the bulk order deeds a player of an online role-playing game holds, \
shows which large orders they complete and what is still missing, and exchanges deed files \
with other players. Its interface is Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tessary developers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The shared libraries (Qt 6, the C++ run-time) are found by dpkg-shlibdeps; what the program
# loads at run time without linking it is named here: the window-system plugins of Qt, Qt's own
# Japanese texts and the Japanese Gothic font the dialogs are drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic")

include(CPack)

# The Debian package: `cpack -G DEB` in the build folder writes suispo_<version>_<arch>.deb.
# Its library dependencies are worked out by dpkg-shlibdeps from the programs.
set(CPACK_PACKAGE_NAME suispo)
set(CPACK_PACKAGE_VENDOR "suispo project")
set(CPACK_PACKAGE_CONTACT "suispo project <suispo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding puzzle on ice")
set(CPACK_PACKAGE_DESCRIPTION
    "A puzzle game in Japanese: a character slides over a board of 6 by 6 ice cells\n\
until the edge, a wall or a hole stops it. Arrows turn a slide, warp pads carry\n\
the character to their partner; take every key, then rest on the door. Walls\n\
built before a move stop the slide where it must. Five stages are built in;\n\
more come in stage files, edited and checked with the stage tool suispo-stage.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://suispo.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: Qt's window-system plugins, and a Japanese font for every text.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic | fonts-japanese-gothic")
# Qt's own Japanese texts for the standard dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

set(CPACK_GENERATOR DEB)
include(CPack)

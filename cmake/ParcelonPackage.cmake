# `make package`: a Debian package of what the install rules install, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brimvale-parcelon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "brimvale <feedback@brimvale.example>")
set(CPACK_PACKAGE_VENDOR brimvale)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "split files into numbered parts and join them again")
set(CPACK_PACKAGE_DESCRIPTION "Brimvale Parcelon splits a file into numbered parts of a chosen size or\n\
number (movie.avi.001, movie.avi.002, ...) and joins the parts back into\n\
the original. It cuts files at byte positions of your choice, writes\n\
batch files and shell scripts that rebuild the original without this\n\
program, and checksum files in the format of sha256sum.\n\
.\n\
The package holds the window bparcelon, in German and English, and the\n\
command-line tool parcelon on the same engine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.brimvale.example/parcelon/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialog buttons in German come from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS desktop-file-utils)
include(CPack)

# The Debian package (make package): cpack -G DEB in the build folder leaves
# swatchly_<version>_amd64.deb there. Its dependencies are read from the executable by
# dpkg-shlibdeps (package dpkg-dev), so they follow whatever the build links.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME swatchly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Swatchly")
set(CPACK_PACKAGE_CONTACT ${SWATCHLY_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour picker that copies HTML colour values")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Build products carry debugging information (RelWithDebInfo); the package does not need it,
# nor the compiler's notes: the staged executable is stripped as Debian's tools strip it.
set(CPACK_STRIP_FILES OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/package-strip.cmake)
# Folders in the package get the usual modes whatever the builder's umask is.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${SWATCHLY_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations, for its dialogs and buttons in the user's language; Swatchly's own are
# built into the program.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The fixed layout is drawn for the Liberation faces; without them Qt falls back to others.
# Qt's Wayland plugin lets the program run natively on a Wayland desktop rather than through
# XWayland; there the colour dialog's Pick Screen Color asks the desktop portal for the colour.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland, xdg-desktop-portal")
# The summary above becomes the first line; CPack indents these paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Swatchly is a small, fast desktop colour picker for web pages. Pick a colour
from a chart, mix it with red, green and blue sliders, type it in decimal or
hexadecimal, look it up by name or take it from the colour dialog: its HTML
value, such as #FF8000, lands on the clipboard, ready to paste.

Fourteen personal colours are kept between runs and can be exported to,
imported from and deleted as named colour scheme files.")
if(DEFINED SWATCHLY_HOMEPAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SWATCHLY_HOMEPAGE})
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

# The Debian package (scripts/package.sh builds it): the program, its desktop entry, icon and manual page.
# The libraries it needs come from dpkg-shlibdeps on the binary. The Qt translations are data files that
# no binary links, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fichorama)
set(CPACK_PACKAGE_VERSION ${FICHORAMA_VERSION_TEXT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Fichorama lists the documents of a directory in a grid with the summary
properties stored inside them (title, author, subject, keywords, dates, counts,
creating application), sorts them, and writes static HTML pages of a directory
or of a saved list of directories. It also runs from the command line.")
# The project has no public address yet: the reserved .invalid domain says so. Set it when packaging
# for others.
set(FICHORAMA_PACKAGE_MAINTAINER "Fichorama maintainers <maintainers@fichorama.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${FICHORAMA_PACKAGE_MAINTAINER}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
include(CPack)

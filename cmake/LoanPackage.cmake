# The Debian package: what `cmake --install` puts under a prefix, installed
# into /usr. dpkg-shlibdeps works out the libraries the program and its
# language plugins link; the rest are Qt's run-time plugins and translations
# the program loads without linking them: the SQLite driver the help engine
# reads its files through, the SVG plugin that draws the icon and Qt's own
# Spanish texts. The offscreen and xcb platforms come with libqt6gui6.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${LOAN_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Zantic Brindlecoft")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${LOAN_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX ${LOAN_PACKAGE_PREFIX})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compare loan quotes side by side")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME ${LOAN_PACKAGE_NAME})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LOAN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.zanticbrindlecoft.com/loan/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6, qt6-translations-l10n")
# The summary above is the description's first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zantic Loan is for people who shop for a loan. Describe the loan you want,
type in the quotes lenders gave you (points, rate, term, payment frequency
and the payment you mean to make) and see each quote's payment, payoff date
and total interest side by side. Sort the quotes, weigh them against the
loan you have today, save comparisons, print them or export them as PDF.
In English and Spanish, with help in both languages.")

# `cpack -G DEB` in a build folder makes the Debian package of what
# `cmake --install` puts in place; dpkg-shlibdeps finds the library packages.
set(CPACK_PACKAGE_NAME ledgerine)
set(CPACK_PACKAGE_VENDOR Mellowind)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "check register for household finances")
set(CPACK_PACKAGE_HOMEPAGE_URL https://mellowind.app/ledgerine)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Mellowind <support@mellowind.app>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(LEDGERINE_SHARED_CORE)
  # The program's own core library, from the build folder.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR})
endif()
# Plugins loaded at run time, which dpkg-shlibdeps cannot see: the SQLite
# driver and the X11/Wayland platform plugins (only recommended by Qt's GUI
# library, yet the program cannot open a window without them).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
# Qt's own dialogs in the chosen language; the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Mellowind Ledgerine keeps household accounts in a keyboard-driven check
register with running balances, categories, split transactions, transfers,
reconciliation, recurring transactions, CSV and QIF import, reports and
backups. All data lives in one SQLite file.")
include(CPack)

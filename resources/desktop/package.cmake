# `cpack -G DEB` in a build folder makes two Debian packages: ledgerine, of
# what `cmake --install` puts in place, and ledgerine-server, of the server's
# component; dpkg-shlibdeps finds the library packages of each.
set(CPACK_PACKAGE_NAME ledgerine)
set(CPACK_PACKAGE_VENDOR Mellowind)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL desktop server)
set(CPACK_DEBIAN_DESKTOP_PACKAGE_NAME ledgerine)
set(CPACK_DEBIAN_SERVER_PACKAGE_NAME ledgerine-server)
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
set(CPACK_DEBIAN_DESKTOP_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
# Qt's own dialogs in the chosen language; the program runs without them.
set(CPACK_DEBIAN_DESKTOP_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# Each package's first line is its summary.
set(CPACK_DEBIAN_DESKTOP_DESCRIPTION "check register for household finances
Mellowind Ledgerine keeps household accounts in a keyboard-driven check
register with running balances, categories, split transactions, transfers,
reconciliation, recurring transactions, CSV and QIF import, reports and
backups. All data lives in one SQLite file.")

# The server finds its database drivers at run time.
set(CPACK_DEBIAN_SERVER_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_SERVER_PACKAGE_SUGGESTS "libqt6sql6-psql")
set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION net)
set(CPACK_DEBIAN_SERVER_DESCRIPTION "sync server for Mellowind Ledgerine
ledgerine-server keeps the sign-ins, households and synchronised ledgers of
Mellowind Ledgerine's desktop program, in one SQLite file or in PostgreSQL.
It runs as a hardened systemd service with its options in
/etc/ledgerine-server/ledgerine-server.conf.")
set(server_debian ${PROJECT_SOURCE_DIR}/server/debian)
set(CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_EXTRA
  "${server_debian}/conffiles;${server_debian}/postinst;${server_debian}/prerm;${server_debian}/postrm")
set(CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

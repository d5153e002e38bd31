# Settings for CPack: a Debian package of what `cmake --install` puts under /usr.
# Build it with `make package` (Release build) or `cpack -G DEB` in a build folder.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvanna)
set(CPACK_PACKAGE_VENDOR Pellworth)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvanna keeps a small hotel's reservations of rooms, wings and meeting halls in one local\n\
database. Its main window lists the reservations of a date range by guest name; the guest editor\n\
adds and changes them.")
set(CPACK_PACKAGE_CONTACT "Pellworth <support@pellworth.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# What the program needs at run time that no scan of its executable finds: the SQLite driver
# plugin of Qt SQL, the Arial-compatible fonts its windows are designed with and Qt's own
# translations, which Qt's print and file dialogs speak in a language the desk chose.
set(corvanna_runtime_depends "libqt6sql6-sqlite (>= 6.4), fonts-liberation, qt6-translations-l10n")
# The libraries it links (Qt Widgets, Gui, Charts, Sql, Core, SQLite, the C++ runtime):
# dpkg-shlibdeps names them with the versions this build needs; without it, the versions of Debian 12.
find_program(CORVANNA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(CORVANNA_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${corvanna_runtime_depends}")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), \
libqt6charts6 (>= 6.4), libqt6sql6 (>= 6.4), libqt6core6 (>= 6.4), libsqlite3-0 (>= 3.7.11), libstdc++6 (>= 11), \
libgcc-s1 (>= 3.0), libc6 (>= 2.34), ${corvanna_runtime_depends}")
endif()

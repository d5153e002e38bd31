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
# The Qt libraries, the SQLite driver plugin (loaded at run time, so no library scan finds it),
# SQLite itself and the Arial-compatible fonts the windows are designed with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6sql6 (>= 6.4), libqt6core6 (>= 6.4), \
libqt6sql6-sqlite (>= 6.4), libsqlite3-0, fonts-liberation, libc6, libstdc++6")
# Where dpkg-shlibdeps is there, it adds the exact library versions the executable was built with.
find_program(CORVANNA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(CORVANNA_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

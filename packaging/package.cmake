# The Debian package of the program: `cpack -G DEB` in the build folder makes
# capset_<version>_amd64.deb from the install rules (the program, from
# app/window.cmake, and its desktop entry, icon and file type, from here;
# nothing else: cap_replay, the tests and the benchmarks have no install
# rules). tests/package_tests.cmake builds it and checks what it holds.

# What a desktop needs to list the program, show its icon and open a job file
# with a double-click. Debian's shared-mime-info, desktop-file-utils and icon
# cache tools watch these folders with dpkg triggers and refresh their caches
# when a package adds a file, so the package needs no scripts of its own.
include(GNUInstallDirs)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/capset.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/capset.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/capset-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME capset.xml)

set(CAPSET_PACKAGE_MAINTAINER "capset maintainers <maintainers@capset.invalid>"
  CACHE STRING "Maintainer field of the Debian package: name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME capset)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bent cap setting-out on a clothoid transition curve")
set(CPACK_PACKAGE_DESCRIPTION
"A desktop calculator for bridge site engineers and surveyors. From the data
of one end of a transition curve (station, coordinates and tangent azimuth of
ZH or HZ, the clothoid parameter) and a bent cap's station, skew and road-bed
half-width, it gives the coordinates of the cap centre and of the cap's ends
at the road-bed edges, the cap length to each edge and the centreline station
of each edge point, with a plan sketch to check them at a glance.
The window and its messages are in Chinese.")
# The package name, version and the machine's architecture:
# capset_1.0_amd64.deb (no Debian revision is set).
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CAPSET_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps reads the libraries the program links (Qt 6 widgets, gui and
# core, the C++ runtime) off the binary. Fonts are not linked: the window asks
# for WenQuanYi Micro Hei and Noto CJK by name, and without them its Chinese
# captions fall back to whatever the system has, or to empty boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)

include(CPack)

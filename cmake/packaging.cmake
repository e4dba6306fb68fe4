# The Debian package: `make package`, or `cpack -G DEB` in the build folder. The libraries the
# program and its sound module link are found by dpkg-shlibdeps; the font the windows are laid
# out for is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessel)
set(CPACK_PACKAGE_VENDOR Velkor)
set(CPACK_PACKAGE_CONTACT "${TESSEL_EMAIL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo sliding-block puzzle")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "photo sliding-block puzzle
Tessel cuts a photo of your choice into a board of 3 x 3, 4 x 4 or 5 x 5
blocks, deals them with the last cell empty, and you slide the blocks back
until the photo is whole again. It counts moves and time, plays short sounds,
shows a sample of the whole photo and can keep an unfinished game for the
next start.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TESSEL_SITE_URL}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Wayland desktops run it natively with Qt's Wayland platform, others through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)

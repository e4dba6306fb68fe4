# The Debian package: `make package`, or `cpack -G DEB` in the build folder. It follows Debian's
# layout for games (the program in /usr/games), carries a copyright file and a changelog, and
# passes lintian without an error or a warning (the install test checks it where lintian is).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessel)
set(CPACK_PACKAGE_VENDOR Velkor)
set(CPACK_PACKAGE_VERSION ${TESSEL_VERSION_TEXT})
set(CPACK_PACKAGE_CONTACT "${TESSEL_EMAIL}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_VENDOR} <${TESSEL_EMAIL}>")
# The synopsis; CPack puts it before the description's lines.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo sliding-block puzzle")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tessel cuts a photo of your choice into a board of 3 x 3, 4 x 4 or 5 x 5
blocks, deals them with the last cell empty, and you slide the blocks back
until the photo is whole again. It counts moves and time, plays short sounds,
shows a sample of the whole photo and can keep an unfinished game for the
next start. A hint shows the next move of a shortest solution, the best
results of each board size are kept, and the game plays with the keyboard as
well as the mouse. In English, German and Turkish.")
if(TESSEL_HOMEPAGE_URL)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TESSEL_HOMEPAGE_URL}")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Wayland desktops run it natively with Qt's Wayland platform, others through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# The install rules put the program in games/ while this is set.
set(CPACK_CUSTOM_INSTALL_VARIABLES TESSEL_DEBIAN_LAYOUT=ON)

# The libraries the program and its sound module link, from dpkg-shlibdeps, asked here rather
# than by CPack's own scan: that scan takes the private sound module in /usr/lib/tessel for a
# shared library and adds maintainer scripts that run ldconfig, which it does not need. The
# font the windows are laid out for is named here.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/debianpackage.cmake CONTENT "
if(CPACK_GENERATOR STREQUAL \"DEB\")
    set(work \"${CMAKE_BINARY_DIR}/shlibdeps\")
    file(MAKE_DIRECTORY \"\${work}/debian\")
    file(WRITE \"\${work}/debian/control\" \"\")
    execute_process(
        COMMAND dpkg-shlibdeps --ignore-missing-info -O
                \"$<TARGET_FILE:Tessel>\" \"$<TARGET_FILE:tessel_sound>\"
        WORKING_DIRECTORY \"\${work}\"
        OUTPUT_VARIABLE found ERROR_VARIABLE errors RESULT_VARIABLE result
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT result EQUAL 0 OR NOT found MATCHES \"^shlibs:Depends=\")
        message(FATAL_ERROR \"dpkg-shlibdeps failed: \${errors}\")
    endif()
    string(REGEX REPLACE \"^shlibs:Depends=\" \"\" found \"\${found}\")
    set(CPACK_DEBIAN_PACKAGE_DEPENDS \"\${found}, fonts-liberation\")
endif()
")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/debianpackage.cmake)
include(CPack)

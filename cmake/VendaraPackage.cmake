# One Debian package with both programs, built in the build folder by `cpack -G DEB`: the
# programs in /usr/bin, their shared files in /usr/share/vendara, the menu entries, icons and
# AppStream descriptions. The libraries the programs link come in as dependencies worked out
# by dpkg-shlibdeps; Qt's plugins, which they load at run time, are part of those libraries'
# packages on Debian 12.
set(VENDARA_PACKAGE_MAINTAINER "Vendara developers <vendara@localhost>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vendara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vendara developers")
set(CPACK_PACKAGE_CONTACT "${VENDARA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "product catalogue and quoting tool, with a handheld database converter")
set(CPACK_PACKAGE_DESCRIPTION
    "Vendara keeps a salesperson's product catalogue, builds quotes with quantity prices and
discounts, prints price lists and exchanges products with spreadsheets and a handheld
organiser. Quirra Desktop (the program dorvane) converts the handheld's database files to and
from CSV files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

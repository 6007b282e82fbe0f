# The Debian package (cpack -G DEB in a release build folder): everything
# `cmake --install` puts under /usr, with its dependencies worked out from
# the shared libraries the installed files link.
set(CPACK_PACKAGE_NAME ${FN_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorrel")
set(CPACK_PACKAGE_CONTACT "K_ColBalance maintainers <maintainers@users.noreply.c-seed-8db01d2c.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "colour-balance effect for compositing and finishing, with its hosts")
set(CPACK_PACKAGE_DESCRIPTION
  "Pushes colour into the lowlights, midtones and highlights of images and\n\
sequences, and renders each tonal range as a matte: colbalance (batch),\n\
colbalance-editor (interactive) and the effect module they load.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Drawing offscreen needs a real EGL driver, which no library names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libegl-mesa0, libgl1-mesa-dri")
# Our own libraries are in the package: dpkg-shlibdeps finds them there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
  ${PROJECT_BINARY_DIR}/platform/window ${PROJECT_BINARY_DIR}/platform/com)
include(CPack)

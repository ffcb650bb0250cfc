# `make package`: a Debian package of what the install step puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "Pattaro developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop tool for trying regular expressions")
set(CPACK_PACKAGE_DESCRIPTION [[Pattaro tries a regular expression on a text: paste a text, type an expression
and a replacement, then count and colour the matches, replace them, keep only
the replaced matches, or convert case. The interface is in Simplified Chinese.
The package also holds pattaro-cli, the same engine and commands for scripts.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Pattaro developers <developers@pattaro.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://pattaro.example.org/")
# Depends is read off the programs' libraries (dpkg-shlibdeps, from dpkg-dev),
# and to those CPack adds what the window loads by name: without the font its
# Chinese captions are empty boxes, without Qt's translation the buttons of
# Qt's own dialogs stay English.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
# Stripped as Debian ships programs; the digest record is taken afterwards.
set(CPACK_STRIP_FILES ON)
include(CPack)

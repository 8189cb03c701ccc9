# The Debian package: `cpack -G DEB` (or `cmake --workflow --preset package`)
# in a build configured with CMAKE_INSTALL_PREFIX=/usr gives
# pixolyn_VERSION_amd64.deb with what the targets install.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pixolyn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Pixolyn)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "browser for the metadata of JPEG photographs (German)")
set(CPACK_PACKAGE_DESCRIPTION
  "Pixolyn shows the JPEG comment, the IPTC record, the EXIF and GPS tags and the\n"
  "maker-note tags of eight camera makers, in a German user interface. Tables go\n"
  "to the clipboard or into workbooks (.xls, .xlsx, .ods, through LibreOffice\n"
  "Calc), and pixolyn-info prints them and writes catalogues of whole folders.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "Pixolyn <pixolyn@pixolyn.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs and buttons in German come from Debian's translations; the
# libraries dpkg-shlibdeps finds are added to this list.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The workbook export needs Calc; the rest of the program does not.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-calc | libreoffice-calc-nogui")
include(CPack)

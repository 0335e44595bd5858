# Installing and packaging: the program, its menu entry and its icons into the GNU
# install folders, and a Debian package whose shared-library dependencies dpkg-shlibdeps
# finds. scripts/package builds build/quira_<version>_amd64.deb.
include(GNUInstallDirs)

install(TARGETS quira RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Loaded by the program from ../lib/quira on its first page.
install(TARGETS quira_web LIBRARY DESTINATION lib/quira)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quira.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quira)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quira")
set(CPACK_PACKAGE_CONTACT "Quira <quira@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Transfers the photos a studio's clients chose into the edit folders")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no library scan finds them: the database driver and the
# platform plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-mysql, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-dejavu-core")
include(CPack)

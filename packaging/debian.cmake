# The Debian package, made with CPack's DEB generator from the same install rules as `cmake --install`, so that
# its version is the project's and its files are those every installation gets. Built by tools/package.sh.
set(BREVORA_DEB_MAINTAINER "The Brevora developers <brevora@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the Debian package: whoever builds and ships it")

# Debian wants the changelog and copyright under the package's own name, and these and the manual page gzipped
# reproducibly (no name, no time).
set(deb_doc ${PROJECT_BINARY_DIR}/packaging/doc)
execute_process(COMMAND date -R -u -d "${BREVORA_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE BREVORA_RELEASE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${deb_doc}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/brevora.1.in ${deb_doc}/brevora.1 @ONLY)
execute_process(COMMAND gzip -9nf ${deb_doc}/changelog ${deb_doc}/brevora.1 COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${deb_doc}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brevora)
install(FILES ${deb_doc}/brevora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brevora)
set(CPACK_PACKAGE_VENDOR "The Brevora developers")
set(CPACK_PACKAGE_CONTACT "${BREVORA_DEB_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "alarms and reminders for the desktop")
# Debian's lines stay under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Brevora shows a notice with your text, and plays a sound if you chose one,
when an alarm is due. Alarms come once, daily, weekly, monthly or yearly.
Alarms and settings are plain files, kept in the user's own data folder.")
# The package installs where the program was built to look: an installed program tells itself apart from a
# portable copy by the folder it was built to be installed into.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the binary links: Qt needs a platform plugin to show any window at all, and the
# desktop's default sound comes from the freedesktop sound theme.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "sound-theme-freedesktop")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm | kchmviewer")
include(CPack)

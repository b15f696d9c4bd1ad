# SPDX-License-Identifier: GPL-3.0-or-later
# BREVORA_RELEASES: the AppStream <releases> element of the AppStream data, kept in packaging/releases.xml with the
# sources, so that a release tarball, which has no debian/, builds the same data. Its newest release must be the one
# this tree builds: the version and the date of CMakeLists.txt.
set(releases_file ${CMAKE_CURRENT_SOURCE_DIR}/releases.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${releases_file})
file(READ ${releases_file} text)
string(FIND "${text}" "<releases>" start)
string(FIND "${text}" "</releases>" end)
if(start LESS 0 OR end LESS start)
    message(FATAL_ERROR "${releases_file}: no <releases> element")
endif()
math(EXPR length "${end} + 11 - ${start}")
string(SUBSTRING "${text}" ${start} ${length} BREVORA_RELEASES)
if(NOT BREVORA_RELEASES MATCHES "<release version=\"([^\"]+)\" date=\"([^\"]+)\"")
    message(FATAL_ERROR "${releases_file}: no <release version=\"...\" date=\"...\">")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION OR NOT CMAKE_MATCH_2 STREQUAL BREVORA_RELEASE_DATE)
    message(FATAL_ERROR "${releases_file}: the newest release is ${CMAKE_MATCH_1} of ${CMAKE_MATCH_2}, but "
                        "CMakeLists.txt builds ${PROJECT_VERSION} of ${BREVORA_RELEASE_DATE}")
endif()

# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# The installed tree: what a host engineer builds against and ships.
#   include/observacao/   the public headers, side by side (#include <observacao/X.h>)
#   lib/                  libobshost (versioned)
#   lib/observacao/       the plug-in, in a folder of its own: it is loaded, never linked
#   lib/                  libobsdriver.a, the script driver for hosts' own tests
#   lib/cmake/Observacao  the CMake package: Observacao::HostServices, ::Module, ::Driver
#   lib/pkgconfig         observacao.pc
include(CMakePackageConfigHelpers)

set(OBS_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/observacao)
set(OBS_DATA_DIR ${CMAKE_INSTALL_DATADIR}/observacao)

set(OBS_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Observacao)
# The plug-in's RPATH ($ORIGIN/..) finds libobshost one folder up.
set_target_properties(observacao PROPERTIES INSTALL_RPATH "$ORIGIN/..")

install(TARGETS obshost EXPORT ObservacaoTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS observacao EXPORT ObservacaoTargets
  LIBRARY DESTINATION ${OBS_MODULE_DIR})
# The script driver, a static library for hosts' own tests.
install(TARGETS obsdriver EXPORT ObservacaoTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

# What a host includes, and the headers those include in turn: installed side by side in
# include/observacao/, their includes of each other rewritten (cmake/PublicHeaders.cmake).
set(OBS_PUBLIC_HEADERS
  module/ObservacaoMod.h
  host/data/QueryLoader.h
  host/data/TClientDataSet.h
  host/search/Search.h
  host/services/Mensagem.h
  host/services/Trad.h
  host/services/Translations.h
  platform/Exception.h
  platform/Export.h
  # the script driver, for hosts' own tests
  demo/driver/ScriptDriver.h
  demo/driver/ScriptParser.h
  demo/driver/ScriptStep.h
  demo/driver/VariantJson.h)
set(OBS_PUBLIC_INCLUDE_DIR ${CMAKE_BINARY_DIR}/include)
set(public_sources)
set(public_outputs)
foreach(header IN LISTS OBS_PUBLIC_HEADERS)
  get_filename_component(name ${header} NAME)
  list(APPEND public_sources ${PROJECT_SOURCE_DIR}/${header})
  list(APPEND public_outputs ${OBS_PUBLIC_INCLUDE_DIR}/observacao/${name})
endforeach()
add_custom_command(OUTPUT ${public_outputs}
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DOUTPUT_DIR=${OBS_PUBLIC_INCLUDE_DIR}
          "-DHEADERS=${OBS_PUBLIC_HEADERS}" -P ${CMAKE_CURRENT_LIST_DIR}/PublicHeaders.cmake
  DEPENDS ${public_sources} ${CMAKE_CURRENT_LIST_DIR}/PublicHeaders.cmake
  COMMENT "Public headers as installed" VERBATIM)
add_custom_target(obspublicheaders ALL DEPENDS ${public_outputs})
install(FILES ${public_outputs} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/observacao)

install(EXPORT ObservacaoTargets NAMESPACE Observacao:: DESTINATION ${OBS_CMAKE_DIR})
configure_package_config_file(cmake/ObservacaoConfig.cmake.in
  ${CMAKE_BINARY_DIR}/cmake/ObservacaoConfig.cmake INSTALL_DESTINATION ${OBS_CMAKE_DIR}
  PATH_VARS OBS_DATA_DIR)
# Within a major version the library's interface only grows.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/cmake/ObservacaoConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/cmake/ObservacaoConfig.cmake ${CMAKE_BINARY_DIR}/cmake/ObservacaoConfigVersion.cmake
  DESTINATION ${OBS_CMAKE_DIR})

set(OBS_MODULE_FILE_NAME ${CMAKE_SHARED_MODULE_PREFIX}observacao${CMAKE_SHARED_MODULE_SUFFIX})
file(RELATIVE_PATH OBS_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" OBS_PC_TO_PREFIX "${OBS_PC_TO_PREFIX}")
configure_file(cmake/observacao.pc.in ${CMAKE_BINARY_DIR}/cmake/observacao.pc @ONLY)
configure_file(cmake/observacao-driver.pc.in ${CMAKE_BINARY_DIR}/cmake/observacao-driver.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/cmake/observacao.pc ${CMAKE_BINARY_DIR}/cmake/observacao-driver.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The demo host's manual page and the package's documents (copyright, changelog), in
# the forms Debian wants them: compressed without a time stamp, a machine-readable
# copyright from LICENSE.
# The maintainer: give the real one at configure time, -DOBS_MAINTAINER="Name <mail>"
# (-DCPACK_PACKAGE_CONTACT is taken too).
set(obs_default_maintainer "Observação contributors <observacao@observacao.example.org>")
if(CPACK_PACKAGE_CONTACT)
  set(obs_default_maintainer "${CPACK_PACKAGE_CONTACT}")
endif()
set(OBS_MAINTAINER "${obs_default_maintainer}" CACHE STRING "The package's maintainer, as \"Name <mail>\"")
if(NOT OBS_MAINTAINER MATCHES "^[^<>@]*[^<>@ ] <[^<>@ ]+@[^<>@ .]+(\\.[^<>@ .]+)+>$")
  message(FATAL_ERROR "OBS_MAINTAINER is \"${OBS_MAINTAINER}\", not \"Name <mail@host.domain>\"")
endif()
# The package's revision, and the date of its changelog entry.
set(OBS_DEBIAN_REVISION 1)
set(OBS_CHANGELOG_DATE "Thu, 10 Dec 2026 10:00:00 +0000")
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
# The licence text as a copyright file's paragraph: indented, blank lines as " .".
string(REGEX REPLACE "^MIT License\n\n" "" license "${license}")
string(STRIP "${license}" license)
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REGEX REPLACE "\n" "\n " OBS_LICENSE_TEXT " ${license}")
set(OBS_DOC_BUILD_DIR ${CMAKE_BINARY_DIR}/doc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/deb/copyright.in ${OBS_DOC_BUILD_DIR}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/deb/changelog.in ${OBS_DOC_BUILD_DIR}/changelog.Debian @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${OBS_DOC_BUILD_DIR}/changelog.Debian.gz ${OBS_DOC_BUILD_DIR}/observacao-host.1.gz
  COMMAND ${GZIP} -9nc ${OBS_DOC_BUILD_DIR}/changelog.Debian > ${OBS_DOC_BUILD_DIR}/changelog.Debian.gz
  COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/docs/observacao-host.1 > ${OBS_DOC_BUILD_DIR}/observacao-host.1.gz
  DEPENDS ${OBS_DOC_BUILD_DIR}/changelog.Debian ${PROJECT_SOURCE_DIR}/docs/observacao-host.1)
add_custom_target(obsdocs ALL DEPENDS ${OBS_DOC_BUILD_DIR}/changelog.Debian.gz ${OBS_DOC_BUILD_DIR}/observacao-host.1.gz)
install(FILES ${OBS_DOC_BUILD_DIR}/copyright ${OBS_DOC_BUILD_DIR}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${OBS_DOC_BUILD_DIR}/observacao-host.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/deb/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME observacao)

# A Debian package of the same tree: cmake --build build --target package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME observacao)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Packaged apart from its sources, so with a Debian revision of its own.
set(CPACK_DEBIAN_PACKAGE_RELEASE ${OBS_DEBIAN_REVISION})
set(CPACK_PACKAGE_CONTACT "${OBS_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Touch-screen observation dialog plug-in, its host services and a demo host")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_DESCRIPTION "The observation dialog, a plug-in that a touch-screen host loads at
run time; the host services library it shares with the host; headers, CMake
package and pkg-config file to build a host; a demo host with a sample list.")
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_STRIP_FILES ON)
# The shlibs control file for libobshost.so.1; ldconfig runs from dpkg's trigger alone
# (cmake/deb/PostBuild.cmake takes out the scripts CPack adds for it).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/deb/triggers)
# The demo reads PostgreSQL lists through Qt's driver when it is there.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb/PostBuild.cmake)
# Libraries the programs link come from dpkg-shlibdeps; what is loaded at run time only
# (the Qt platform plug-ins, Qt's SQLite driver, the fonts the windows are drawn with) is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/${CMAKE_INSTALL_LIBDIR})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation")
include(CPack)

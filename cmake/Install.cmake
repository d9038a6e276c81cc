# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# The installed tree: what a host engineer builds against and ships.
#   include/observacao/   the public headers, side by side (#include <observacao/X.h>)
#   lib/                  libobshost (versioned)
#   lib/observacao/       the plug-in, in a folder of its own: it is loaded, never linked
#   lib/cmake/Observacao  the CMake package: Observacao::HostServices, Observacao::Module
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

# What a host includes, and the headers those include in turn: installed side by side in
# include/observacao/, their includes of each other rewritten (cmake/PublicHeaders.cmake).
set(OBS_PUBLIC_HEADERS
  module/ObservacaoMod.h
  host/data/TClientDataSet.h
  host/search/Search.h
  host/services/Mensagem.h
  host/services/Trad.h
  host/services/Translations.h
  platform/Exception.h
  platform/Export.h)
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
install(FILES ${CMAKE_BINARY_DIR}/cmake/observacao.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# A Debian package of the same tree: cmake --build build --target package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME observacao)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Give the real one at configure time: -DCPACK_PACKAGE_CONTACT="Name <mail>".
if(NOT CPACK_PACKAGE_CONTACT)
  set(CPACK_PACKAGE_CONTACT "Observacao maintainers <observacao@localhost>")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Touch-screen observation dialog plug-in, its host services and a demo host")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_DESCRIPTION "The observation dialog, a plug-in that a touch-screen host loads at
run time; the host services library it shares with the host; headers, CMake
package and pkg-config file to build a host; a demo host with a sample list.")
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_STRIP_FILES ON)
# shlibs control file and the ldconfig trigger for libobshost.so.1.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/deb/triggers)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, fonts-liberation, libc6, libstdc++6")
include(CPack)

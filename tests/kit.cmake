# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# The integrator's kit: the installed tree, the exported interface, the demo host's
# command line without a display.

# What is checked here is the shipped build: a sanitizer tree's libraries need the
# sanitizer runtime loaded first (an ordinary host cannot load them) and, built without
# optimisation, carry out-of-line copies of Qt's inline functions.
if(NOT OBS_SANITIZE)
  # A host of one's own built against the installed tree alone (tests/consumer): the tree
  # installed with prefix /usr into a scratch root with a merged /usr, then the host built
  # through the CMake package, and through pkg-config with g++ and with clang, and run.
  set(kit_run ${CMAKE_COMMAND} -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/consumer -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
      -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}/consumer -DTREE_DIR=${CMAKE_SOURCE_DIR})
  add_test(NAME kit.install_usr
    COMMAND ${kit_run} -DMODE=install -DBUILD_DIR=${CMAKE_BINARY_DIR} -P ${CMAKE_CURRENT_SOURCE_DIR}/consumer/run.cmake)
  set_tests_properties(kit.install_usr PROPERTIES TIMEOUT 120 FIXTURES_SETUP kit_usr RUN_SERIAL ON)
  add_test(NAME kit.consumer_installed COMMAND ${kit_run} -DMODE=cmake -P ${CMAKE_CURRENT_SOURCE_DIR}/consumer/run.cmake)
  add_test(NAME kit.consumer_pkgconfig_gxx
    COMMAND ${kit_run} -DMODE=pkgconfig -DCOMPILER=g++ -P ${CMAKE_CURRENT_SOURCE_DIR}/consumer/run.cmake)
  add_test(NAME kit.consumer_pkgconfig_clang
    COMMAND ${kit_run} -DMODE=pkgconfig -DCOMPILER=clang++ -P ${CMAKE_CURRENT_SOURCE_DIR}/consumer/run.cmake)
  set_tests_properties(kit.consumer_installed kit.consumer_pkgconfig_gxx kit.consumer_pkgconfig_clang
    PROPERTIES TIMEOUT 300 FIXTURES_REQUIRED kit_usr)

  # libobshost exports its own namespaces and nothing else (no Qt template instances).
  add_test(NAME kit.hostservices_exports
    COMMAND ${CMAKE_COMMAND} -DLIBRARY=$<TARGET_FILE:obshost> -P ${CMAKE_CURRENT_SOURCE_DIR}/kit_exports.cmake)

  # Every symbol of libobshost is versioned: OBSHOST_1.0 for hosts, OBSHOST_PRIVATE_1.0
  # for the plug-in (host/obshost.map); kit.consumer_* check hosts need only the first.
  add_test(NAME kit.hostservices_versions
    COMMAND ${CMAKE_COMMAND} -DLIBRARY=$<TARGET_FILE:obshost> -DVERSIONS=OBSHOST_1.0,OBSHOST_PRIVATE_1.0
            -P ${CMAKE_CURRENT_SOURCE_DIR}/kit_exports.cmake)

  # The plug-in exports its four entry points by their plain names and nothing else.
  add_test(NAME kit.plugin_exports
    COMMAND ${CMAKE_COMMAND} -DLIBRARY=$<TARGET_FILE:observacao>
            -DEXACTLY=ObservacaoMod,Initialize,Finalize,GetPackageInfoTable
            -P ${CMAKE_CURRENT_SOURCE_DIR}/kit_exports.cmake)
endif()

# --help, --version and a bad option need no display: no DISPLAY, no platform chosen.
add_test(NAME kit.demo_help_without_display
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          $<TARGET_FILE:observacao-host> --help)
set_tests_properties(kit.demo_help_without_display PROPERTIES PASS_REGULAR_EXPRESSION "--list <FILE>")
add_test(NAME kit.demo_version_without_display
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          $<TARGET_FILE:observacao-host> --version)
set_tests_properties(kit.demo_version_without_display PROPERTIES
  PASS_REGULAR_EXPRESSION "^observacao-host ${PROJECT_VERSION}\n$")
# Status 1 (usage) and not an abort: ctest sees a plain failure exit.
add_test(NAME kit.demo_bad_option_without_display
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          $<TARGET_FILE:observacao-host> --no-such-option)
set_tests_properties(kit.demo_bad_option_without_display PROPERTIES WILL_FAIL ON)

# The Debian package: built from this tree, checked by lintian (an error fails), installed
# with apt, its demo host and a consumer host run against /usr, then purged
# (tools/deb-check.sh). It installs into the system, so it runs alone, and only as root.
if(NOT OBS_SANITIZE)
  add_test(NAME kit.deb_check COMMAND bash ${PROJECT_SOURCE_DIR}/tools/deb-check.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(kit.deb_check PROPERTIES TIMEOUT 900 RUN_SERIAL ON LABELS package)
endif()

# libobshost's interface against the baseline in the repository: a change to the size or
# layout of a public type, or to a function hosts call, fails until tools/abi-baseline.sh
# records it. Read from the debug information, so not in a build without it.
if(NOT OBS_SANITIZE AND CMAKE_BUILD_TYPE MATCHES "^(RelWithDebInfo|Debug)$")
  # For tools/abi-baseline.sh: which file the library is.
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/abi/library CONTENT "$<TARGET_FILE:obshost>")
  add_test(NAME abi.libobshost
    COMMAND ${CMAKE_COMMAND} -DBASELINE=${PROJECT_SOURCE_DIR}/abi/libobshost.abi -DLIBRARY=$<TARGET_FILE:obshost>
            -DSUPPRESSIONS=${CMAKE_CURRENT_SOURCE_DIR}/abi/private.abignore -P ${CMAKE_CURRENT_SOURCE_DIR}/abi/check.cmake)
  set_tests_properties(abi.libobshost PROPERTIES TIMEOUT 600)
endif()

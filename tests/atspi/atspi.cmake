# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# The installed host read and operated by an AT-SPI client (pyatspi) on its own Xvfb and
# D-Bus session, in every shipped language. Fails when a tool it needs is missing.
add_test(NAME atspi
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/atspi/run-atspi.sh ${CMAKE_BINARY_DIR}/demo-tree ${PROJECT_SOURCE_DIR})
set_tests_properties(atspi PROPERTIES FIXTURES_REQUIRED demo_tree TIMEOUT 330 LABELS atspi)

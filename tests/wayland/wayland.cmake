# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# Sessions on headless Wayland compositors (sway, cage) against the installed tree, the
# demo host over its own window. A missing tool fails the suite; nothing is skipped.
foreach(variant sway cage)
  add_test(NAME wayland_${variant}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wayland/run-wayland.sh ${CMAKE_BINARY_DIR}/demo-tree ${CMAKE_BINARY_DIR}
            ${variant})
  set_tests_properties(wayland_${variant} PROPERTIES
    FIXTURES_REQUIRED demo_tree TIMEOUT 120 LABELS wayland)
endforeach()

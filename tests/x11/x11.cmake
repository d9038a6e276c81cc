# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# Sessions on a real X server (Xvfb), bare and under openbox, driven with xdotool
# against the installed tree. The script skips (77) only where Xvfb cannot start.
foreach(variant bare openbox)
  add_test(NAME x11_${variant}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/x11/run-x11.sh ${CMAKE_BINARY_DIR}/demo-tree ${variant})
  set_tests_properties(x11_${variant} PROPERTIES
    FIXTURES_REQUIRED demo_tree SKIP_RETURN_CODE 77 TIMEOUT 240 LABELS x11)
endforeach()

# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# Sessions on a real X server (Xvfb), bare and under each window manager a station may
# run, driven with xdotool against the installed tree. Each suite has a server of its
# own, so they run side by side. The script skips (77) only where an installed Xvfb
# cannot start; a missing tool or manager fails.
foreach(variant bare openbox xfwm4 metacity icewm)
  add_test(NAME x11_${variant}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/x11/run-x11.sh ${CMAKE_BINARY_DIR}/demo-tree ${variant})
  set_tests_properties(x11_${variant} PROPERTIES
    FIXTURES_REQUIRED demo_tree SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS x11)
endforeach()

# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# Run by cpack after it made the .deb (CPACK_POST_BUILD_SCRIPTS). CPack adds postinst and
# postrm scripts that call ldconfig for any library under /usr/lib; the package declares
# dpkg's ldconfig trigger instead (cmake/deb/triggers), so the scripts go: ldconfig runs
# once, from the trigger.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(dir ${deb}.unpacked)
  file(REMOVE_RECURSE ${dir})
  execute_process(COMMAND dpkg-deb -R ${deb} ${dir} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -R ${deb} failed")
  endif()
  file(REMOVE ${dir}/DEBIAN/postinst ${dir}/DEBIAN/postrm)
  execute_process(COMMAND dpkg-deb --root-owner-group -Zxz -b ${dir} ${deb} OUTPUT_QUIET RESULT_VARIABLE rc)
  file(REMOVE_RECURSE ${dir})
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -b ${deb} failed")
  endif()
endforeach()

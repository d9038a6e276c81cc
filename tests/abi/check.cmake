# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# Compares the built libobshost with the baseline in the repository (abi/libobshost.abi,
# made by tools/abi-baseline.sh): a change to a function or variable of the public
# version OBSHOST_1.0, or to any type they reach (its size, its members, their offsets),
# fails. Functions added beside the old ones do not, nor changes to what only the
# plug-in uses (OBSHOST_PRIVATE_1.0, tests/abi/private.abignore).
# -DBASELINE= -DLIBRARY= -DSUPPRESSIONS=
find_program(ABIDIFF abidiff REQUIRED)
if(NOT EXISTS ${BASELINE})
  message(FATAL_ERROR "no baseline ${BASELINE}: run tools/abi-baseline.sh")
endif()
execute_process(COMMAND ${ABIDIFF} --no-added-syms --suppressions ${SUPPRESSIONS} ${BASELINE} ${LIBRARY}
  OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "libobshost's interface differs from abi/libobshost.abi (abidiff status ${rc}):\n${report}"
    "If the change is meant (and keeps older hosts working, or comes with a new SONAME), "
    "run tools/abi-baseline.sh and commit abi/libobshost.abi with it.")
endif()
message(STATUS "libobshost matches abi/libobshost.abi")

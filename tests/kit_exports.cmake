# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# Fails when the library's dynamic symbol table holds anything outside host:: and
# platform:: (their classes' type information included). -DLIBRARY=
# With -DEXACTLY=a,b,...: the defined dynamic symbols must be those names, no others.
execute_process(COMMAND nm -D --defined-only -C ${LIBRARY} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${out}")
if(DEFINED EXACTLY)
  set(names)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[0-9a-f]* *[A-Za-z] " "" name "${line}")
    if(NOT name STREQUAL "" AND NOT name MATCHES "^(_edata|_end|__bss_start)$")
      list(APPEND names "${name}")
    endif()
  endforeach()
  list(SORT names)
  string(REPLACE "," ";" EXACTLY "${EXACTLY}")
  list(SORT EXACTLY)
  if(NOT names STREQUAL EXACTLY)
    message(FATAL_ERROR "exports ${names}, expected ${EXACTLY}")
  endif()
  return()
endif()
set(count 0)
set(stray)
foreach(line IN LISTS lines)
  if(line STREQUAL "")
    continue()
  endif()
  math(EXPR count "${count} + 1")
  string(REGEX REPLACE "^[0-9a-f]* *[A-Za-z] " "" name "${line}")
  if(name MATCHES "^(host|platform)::"
     OR name MATCHES "^((typeinfo|typeinfo name|vtable|VTT) for |(non-)?virtual thunk to )(host|platform)::"
     # the type information of the search package's procedure types (std::function targets)
     OR name MATCHES "^typeinfo (name )?for [^:]*\\("
     OR name MATCHES "^(_edata|_end|__bss_start)$")
    continue()
  endif()
  list(APPEND stray "${name}")
endforeach()
message(STATUS "${count} exported symbols")
if(stray)
  list(JOIN stray "\n" text)
  message(FATAL_ERROR "exported beyond the library's own interface:\n${text}")
endif()

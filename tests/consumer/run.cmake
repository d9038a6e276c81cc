# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# Installs the build tree into a scratch prefix, then configures, builds and runs the
# consumer against that prefix alone. -DBUILD_DIR= -DSOURCE_DIR= -DTREE_DIR= -DWORK_DIR=
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
set(launcher)
find_program(CCACHE ccache)
if(CCACHE)
  set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE})
endif()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix ${launcher})
# Nothing of the source tree may be on the consumer's include path.
file(STRINGS ${WORK_DIR}/build/build.ninja includes REGEX "^ *INCLUDES")
string(REPLACE "${WORK_DIR}/prefix/" "" outside "${includes}")
string(FIND "${outside}" "${TREE_DIR}" leaked)
if(includes STREQUAL "" OR NOT leaked EQUAL -1)
  message(FATAL_ERROR "the consumer's include path is not the installed tree's: ${includes}")
endif()
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)

# pkg-config finds the same tree wherever it was installed.
find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  set(ENV{PKG_CONFIG_PATH} ${WORK_DIR}/prefix/lib/pkgconfig)
  execute_process(COMMAND ${PKG_CONFIG} --variable=module observacao OUTPUT_VARIABLE module
                  OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
  execute_process(COMMAND ${PKG_CONFIG} --cflags-only-I observacao OUTPUT_VARIABLE cflags
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX REPLACE "^-I([^ ]*).*" "\\1" incdir "${cflags}")
  if(NOT rc EQUAL 0 OR NOT EXISTS "${module}" OR NOT EXISTS "${incdir}/module/ObservacaoMod.h")
    message(FATAL_ERROR "observacao.pc points elsewhere: module=${module} cflags=${cflags}")
  endif()
endif()
run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${WORK_DIR}/build/consumer)

# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# The kit as a host engineer meets it on Debian: the tree installed with prefix /usr into
# a scratch root (WORK_DIR/root), whose /lib is a link to usr/lib as on a merged-/usr
# system, and a host of one's own built against that tree alone, then run.
#   -DMODE=install    installs BUILD_DIR into the root
#   -DMODE=cmake      builds SOURCE_DIR with find_package(Observacao) and runs it
#   -DMODE=pkgconfig  builds SOURCE_DIR/main.cpp with -DCOMPILER= and
#                     `pkg-config --cflags --libs observacao` alone, and runs it with the
#                     library reached through /lib (the loader's path on merged /usr)
# Always: -DWORK_DIR= -DLIBDIR= (the install's library folder, under the prefix);
# install: -DBUILD_DIR=; cmake, pkgconfig: -DSOURCE_DIR= -DTREE_DIR= (the source tree,
# which must not be on the consumer's include path).
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}")
  endif()
endfunction()

# A host built from the installed headers reaches the library's public interface only:
# every symbol of libobshost it needs is versioned OBSHOST_1.0, none OBSHOST_PRIVATE_1.0.
function(check_public_only program)
  execute_process(COMMAND nm -D --undefined-only ${program} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  string(REGEX MATCHALL "[^ \n]+@OBSHOST[A-Z_]*[0-9.]+" used "${out}")
  set(private ${used})
  list(FILTER private EXCLUDE REGEX "@OBSHOST_1\\.0$")
  if(NOT rc EQUAL 0 OR used STREQUAL "" OR private)
    message(FATAL_ERROR "${program} needs of libobshost: ${used}; beyond OBSHOST_1.0: ${private}")
  endif()
endfunction()

set(root ${WORK_DIR}/root)
set(prefix ${root}/usr)

if(MODE STREQUAL "install")
  file(REMOVE_RECURSE ${WORK_DIR})
  run(${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
  file(CREATE_LINK usr/lib ${root}/lib SYMBOLIC)
  return()
endif()

if(NOT EXISTS ${prefix}/${LIBDIR})
  message(FATAL_ERROR "no installed tree in ${prefix} (the kit.install fixture)")
endif()

if(MODE STREQUAL "cmake")
  set(build ${WORK_DIR}/cmake-build)
  file(REMOVE_RECURSE ${build})
  set(launcher)
  find_program(CCACHE ccache)
  if(CCACHE)
    set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE})
  endif()
  run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
      -DCMAKE_PREFIX_PATH=${prefix} ${launcher})
  # Nothing of the source tree may be on the consumer's include path (but its own).
  file(STRINGS ${build}/build.ninja includes REGEX "^ *INCLUDES")
  string(REPLACE "${prefix}/" "" outside "${includes}")
  string(REPLACE "${SOURCE_DIR}/" "" outside "${outside}")
  string(FIND "${outside}" "${TREE_DIR}" leaked)
  if(includes STREQUAL "" OR NOT leaked EQUAL -1)
    message(FATAL_ERROR "the consumer's include path is not the installed tree's: ${includes}")
  endif()
  run(${CMAKE_COMMAND} --build ${build})
  check_public_only(${build}/consumer)
  check_public_only(${build}/consumer_driver)
  run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${build}/consumer)
  run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${build}/consumer_driver)
  return()
endif()

if(NOT MODE STREQUAL "pkgconfig")
  message(FATAL_ERROR "MODE is install, cmake or pkgconfig")
endif()
find_program(PKG_CONFIG pkg-config REQUIRED)
find_program(CXX ${COMPILER} REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
function(pc out)
  execute_process(COMMAND ${PKG_CONFIG} ${ARGN} observacao OUTPUT_VARIABLE value
                  OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pkg-config ${ARGN} observacao failed")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
pc(module --variable=module)
pc(datadir --variable=pkgdatadir)
pc(cflags --cflags)
pc(libs --libs)
if(NOT EXISTS "${module}" OR NOT IS_DIRECTORY "${datadir}/translations")
  message(FATAL_ERROR "observacao.pc points elsewhere: module=${module} pkgdatadir=${datadir}")
endif()
string(REPLACE "${prefix}/" "" outside "${cflags}")
string(FIND "${outside}" "${TREE_DIR}" leaked)
if(NOT leaked EQUAL -1)
  message(FATAL_ERROR "observacao.pc's flags reach into the source tree: ${cflags}")
endif()
# What Qt's CMake targets require of code that uses Debian's Qt (built with reduced
# relocations) must come from our .pc too, or a host built by hand may crash.
if(NOT cflags MATCHES "(^| )-fPIC( |$)")
  message(FATAL_ERROR "observacao.pc's flags lack -fPIC: ${cflags}")
endif()
separate_arguments(cflags UNIX_COMMAND "${cflags}")
separate_arguments(libs UNIX_COMMAND "${libs}")
get_filename_component(name ${COMPILER} NAME)
set(program ${WORK_DIR}/consumer-${name})
# As the README tells a host to build: the compiler, the host's own flags, pkg-config's.
run(${CXX} -std=c++17 -O2 -I${SOURCE_DIR}/own -o ${program} ${SOURCE_DIR}/main.cpp ${cflags}
    "-DOBS_MODULE_PATH=\"${module}\"" "-DOBS_DATA_DIR=\"${datadir}\"" ${libs})
check_public_only(${program})
# On merged /usr the loader reaches libobshost as /lib/<arch>/libobshost.so.1.
run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH=${root}/${LIBDIR} ${program})

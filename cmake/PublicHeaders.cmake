# SPDX-FileCopyrightText: 2026 Observação contributors
# SPDX-License-Identifier: MIT

# The public headers as a host includes them: all in one folder, observacao/, whatever
# folder they have in the tree (<observacao/TClientDataSet.h>), so that nothing of ours
# stands at the top of a host's include path and the tree can be rearranged without
# breaking hosts. Their includes of each other are rewritten to the same form; including
# any other header of the tree is an error, since a host would not have it.
#   cmake -DSOURCE_DIR= -DOUTPUT_DIR= -DHEADERS=a/X.h;b/Y.h -P PublicHeaders.cmake
# writes OUTPUT_DIR/observacao/X.h, ...
cmake_policy(SET CMP0057 NEW)
set(names)
foreach(header IN LISTS HEADERS)
  get_filename_component(name ${header} NAME)
  if(name IN_LIST names)
    message(FATAL_ERROR "two public headers are named ${name}")
  endif()
  list(APPEND names ${name})
endforeach()

foreach(header IN LISTS HEADERS)
  get_filename_component(name ${header} NAME)
  file(READ ${SOURCE_DIR}/${header} text)
  string(REGEX MATCHALL "#include \"[^\"]+\"" includes "${text}")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "#include \"([^\"]+)\"" "\\1" included "${line}")
    if(NOT included IN_LIST HEADERS)
      message(FATAL_ERROR "${header} includes ${included}, which is not a public header")
    endif()
    get_filename_component(includedName ${included} NAME)
    string(REPLACE "${line}" "#include <observacao/${includedName}>" text "${text}")
  endforeach()
  file(WRITE ${OUTPUT_DIR}/observacao/${name} "${text}")
endforeach()

# The key pictures, the SHOWAVI animation and their accessor, built into obscore.
# For a static library Qt puts the resource data in an object library whose objects
# every consumer links directly, so the data registers itself on load.
set(OBS_RES_DIR ${CMAKE_CURRENT_LIST_DIR})
target_sources(obscore PRIVATE ${OBS_RES_DIR}/Resources.cpp ${OBS_RES_DIR}/Resources.h)
set_source_files_properties(${OBS_RES_DIR}/showavi.avi PROPERTIES QT_RESOURCE_ALIAS SHOWAVI)
# Stored uncompressed, like the home platform's resources: the plug-in's bytes then
# show the files as they are.
qt_add_resources(obscore "obsresources"
  PREFIX "/"
  OPTIONS --no-compress
  BASE ${OBS_RES_DIR}
  FILES
    ${OBS_RES_DIR}/corrigir.bmp
    ${OBS_RES_DIR}/pesquisa.bmp
    ${OBS_RES_DIR}/sair.bmp
    ${OBS_RES_DIR}/editadesc.bmp
    ${OBS_RES_DIR}/showavi.avi)

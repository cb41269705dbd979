# The default skin in the output folder's Skins\: the layout files as kept in
# skins/default, and the pictures rendered from them by skingen. skingen is
# a host program, so this cross build builds it with the host compiler as an
# external project (its own configure, no toolchain file) and runs it here.
include(ExternalProject)

set(SKIN_SOURCE_DIR ${PROJECT_SOURCE_DIR}/skins/default)
set(SKIN_OUTPUT_DIR ${OUTPUT_DIR}/Skins)
set(SKINGEN_HOST_DIR ${CMAKE_BINARY_DIR}/host/skingen)

ExternalProject_Add(skingen_host
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/skingen
  BINARY_DIR ${SKINGEN_HOST_DIR}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${SKINGEN_HOST_DIR}/skingen)

file(GLOB SKIN_LAYOUTS CONFIGURE_DEPENDS ${SKIN_SOURCE_DIR}/*.ini)
list(FILTER SKIN_LAYOUTS EXCLUDE REGEX "/artwork\\.ini$")
file(GLOB SKINGEN_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/skingen/*.cpp
     ${PROJECT_SOURCE_DIR}/tools/skingen/*.h ${PROJECT_SOURCE_DIR}/skin/button_info.*)

set(SKIN_STAMP ${CMAKE_BINARY_DIR}/default_skin.stamp)
add_custom_command(
  OUTPUT ${SKIN_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SKIN_OUTPUT_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${SKIN_LAYOUTS} ${SKIN_OUTPUT_DIR}
  COMMAND ${SKINGEN_HOST_DIR}/skingen ${SKIN_SOURCE_DIR}/artwork.ini ${SKIN_SOURCE_DIR} ${SKIN_OUTPUT_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${SKIN_STAMP}
  DEPENDS skingen_host ${SKIN_SOURCE_DIR}/artwork.ini ${SKIN_LAYOUTS} ${SKINGEN_SOURCES}
  COMMENT "Rendering the default skin into ${SKIN_OUTPUT_DIR}"
  VERBATIM)
add_custom_target(default_skin ALL DEPENDS ${SKIN_STAMP})

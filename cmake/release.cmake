# The release (`make dist`): the program's folder as a portable zip and as a
# per-user installer (scripts/dist.sh, dist/installer.nsi), in build/dist.
# Both are named with the version the version resource is made of.
set(version_header ${PROJECT_SOURCE_DIR}/res/version.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${version_header})
set(PROGRAM_VERSION "")
foreach(part MAJOR MINOR PATCH BUILD)
  file(STRINGS ${version_header} row REGEX "^#define PROGRAM_VERSION_${part} +[0-9]+$")
  string(REGEX REPLACE ".* ([0-9]+)$" "\\1" number "${row}")
  list(APPEND PROGRAM_VERSION ${number})
endforeach()
list(JOIN PROGRAM_VERSION . PROGRAM_VERSION)

get_filename_component(RELEASE_DIR ${CMAKE_BINARY_DIR}/../dist ABSOLUTE)
set(RELEASE_ZIP ${RELEASE_DIR}/VornaOption-${PROGRAM_VERSION}-portable.zip)
set(RELEASE_INSTALLER ${RELEASE_DIR}/VornaOption-${PROGRAM_VERSION}-setup.exe)

get_property(language_files GLOBAL PROPERTY LANGUAGE_LIBRARY_FILES)
add_custom_command(
  OUTPUT ${RELEASE_ZIP} ${RELEASE_INSTALLER}
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/dist.sh ${OUTPUT_DIR} ${RELEASE_DIR} ${PROGRAM_VERSION}
  DEPENDS VornaOption language_libraries ${language_files} default_skin ${SKIN_STAMP}
          ${PROJECT_SOURCE_DIR}/scripts/dist.sh ${PROJECT_SOURCE_DIR}/dist/installer.nsi
          ${PROJECT_SOURCE_DIR}/res/art/app.ico
  COMMENT "Making the release in ${RELEASE_DIR}"
  VERBATIM)
add_custom_target(release DEPENDS ${RELEASE_ZIP} ${RELEASE_INSTALLER})

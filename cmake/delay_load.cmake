# System libraries the program needs only later in its life, or first on a
# worker thread, are bound at their first call (delay-loaded) instead of
# when the process starts: every library loaded before wWinMain is time
# before the first window. Each library's functions in use are listed in
# cmake/delay_load/<name>.def; a function missing there fails the link.
find_program(MINGW_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)

function(add_delay_loaded_library name)
  set(def ${PROJECT_SOURCE_DIR}/cmake/delay_load/${name}.def)
  set(lib ${CMAKE_BINARY_DIR}/delay_load/lib${name}_delay.a)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay_load
    COMMAND ${MINGW_DLLTOOL} --input-def ${def} --dllname ${name}.dll --output-delaylib ${lib}
    DEPENDS ${def} VERBATIM)
  add_custom_target(${name}_delay_library DEPENDS ${lib})
  add_library(delay_${name} INTERFACE)
  add_dependencies(delay_${name} ${name}_delay_library)
  # The helper that binds a delay-loaded function at its first call.
  target_link_libraries(delay_${name} INTERFACE ${lib} mingwex)
endfunction()

foreach(library comctl32 comdlg32 ole32 oleacc oleaut32 shell32 version)
  add_delay_loaded_library(${library})
endforeach()

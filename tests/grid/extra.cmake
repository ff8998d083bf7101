# The grid tests' fixture dialogs and their companion texts (Windows only).
if(WIN32)
  enable_language(RC)
  target_sources(${target} PRIVATE ${dir}/resources/grid.rc)
  set_source_files_properties(${dir}/resources/grid.rc PROPERTIES
    OBJECT_DEPENDS "${dir}/resources/grid501.dlgtxt;${dir}/resources/row502.dlgtxt;${dir}/resources/grid503.dlgtxt")
  target_include_directories(${target} PRIVATE ${dir}/resources)
endif()
# The printing test leaves its jobs in a folder of the build tree; read_grid_printed.py, ordered
# after it by a fixture, reads their pages' texts with Ghostscript on the Linux side.
if(WIN32)
  set(grid_printed ${CMAKE_CURRENT_BINARY_DIR}/grid-printed)
  file(MAKE_DIRECTORY ${grid_printed})
  target_compile_definitions(${target} PRIVATE GRAV_GRID_PRINTED_DIR="${grid_printed}")
  set_tests_properties(${target} PROPERTIES FIXTURES_SETUP grid_printed)
  add_test(NAME grid_printed_readers COMMAND /usr/bin/python3 ${dir}/read_grid_printed.py ${grid_printed})
  set_tests_properties(grid_printed_readers PROPERTIES FIXTURES_REQUIRED grid_printed)
endif()
# The grid window's commands show the library's own dialogs.
if(WIN32)
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:gravimonderresources>)
endif()

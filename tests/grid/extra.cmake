# The grid tests' fixture dialogs and their companion texts, and the library's own dialogs, which
# the grid window's commands show (Windows only). The printing test leaves its jobs in a folder of
# the build tree, whose pages' texts read_grid_printed.py reads with Ghostscript on the Linux side.
if(WIN32)
  enable_language(RC)
  target_sources(${target} PRIVATE ${dir}/resources/grid.rc $<TARGET_OBJECTS:gravimonderresources>)
  set_source_files_properties(${dir}/resources/grid.rc PROPERTIES
    OBJECT_DEPENDS "${dir}/resources/grid501.dlgtxt;${dir}/resources/row502.dlgtxt;${dir}/resources/grid503.dlgtxt")
  target_include_directories(${target} PRIVATE ${dir}/resources)
  grav_test_readers(${target} grid_printed grid-printed GRAV_GRID_PRINTED_DIR ${dir}/read_grid_printed.py)
endif()

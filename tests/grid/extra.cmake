# The grid tests' fixture dialogs and their companion texts (Windows only).
if(WIN32)
  enable_language(RC)
  target_sources(${target} PRIVATE ${dir}/resources/grid.rc)
  set_source_files_properties(${dir}/resources/grid.rc PROPERTIES
    OBJECT_DEPENDS "${dir}/resources/grid501.dlgtxt;${dir}/resources/row502.dlgtxt")
  target_include_directories(${target} PRIVATE ${dir}/resources)
endif()

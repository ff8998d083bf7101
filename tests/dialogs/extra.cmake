# The dialog tests' fixture dialogs, companion texts, bitmap and tree menu, and the dialogs of
# the show tests (Windows only).
if(WIN32)
  enable_language(RC)
  target_sources(${target} PRIVATE ${dir}/resources/fixture.rc ${dir}/resources/show.rc)
  set_source_files_properties(${dir}/resources/show.rc PROPERTIES
    OBJECT_DEPENDS "${dir}/resources/show310.dlgtxt;${dir}/resources/show313.dlgtxt;${dir}/resources/show3101.dlgtxt;${dir}/resources/show314.dlgtxt")
  set_source_files_properties(${dir}/resources/fixture.rc PROPERTIES
    OBJECT_DEPENDS "${dir}/resources/fixture103.dlgtxt;${dir}/resources/page2001.dlgtxt;${dir}/resources/resizable104.dlgtxt;${dir}/resources/picture1060.bmp")
  target_include_directories(${target} PRIVATE ${dir}/resources)
endif()
# The menu and toolbar tests' menus, lists, prompt strings and bitmap strips.
if(WIN32)
  target_sources(${target} PRIVATE ${dir}/resources/menus.rc)
  set_source_files_properties(${dir}/resources/menus.rc PROPERTIES
    OBJECT_DEPENDS "${dir}/resources/strip31001.bmp;${dir}/resources/strip31002.bmp")
endif()

# images_tests' own resources: a bitmap resource and a dialog with a picture field.
if(WIN32)
  enable_language(RC)
  target_sources(${target} PRIVATE ${dir}/resources/images.rc)
  set_source_files_properties(${dir}/resources/images.rc PROPERTIES
    OBJECT_DEPENDS "${dir}/resources/picture301.bmp")
  target_include_directories(${target} PRIVATE ${dir}/resources)
endif()

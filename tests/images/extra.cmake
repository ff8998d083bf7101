# images_tests' own resources: a bitmap resource and a dialog with a picture field.
if(WIN32)
  enable_language(RC)
  target_sources(${target} PRIVATE ${dir}/resources/images.rc)
  set_source_files_properties(${dir}/resources/images.rc PROPERTIES
    OBJECT_DEPENDS "${dir}/resources/picture301.bmp")
  target_include_directories(${target} PRIVATE ${dir}/resources)
endif()
# The Wine test writes images of the image-file driver into a folder of the build tree;
# read_written.py, ordered after it by a fixture, reads them with ImageMagick and netpbm.
if(WIN32)
  grav_test_readers(${target} images_written written-images GRAV_WRITTEN_DIR ${dir}/read_written.py)
endif()
# The image drawer's Wine test draws files that ImageMagick and netpbm make at build time, each
# with its expected pixels beside it.
if(WIN32)
  set(drawing ${CMAKE_CURRENT_BINARY_DIR}/drawing-fixtures)
  add_custom_command(OUTPUT ${drawing}/made
    COMMAND /bin/sh ${dir}/make_drawing_fixtures.sh ${drawing} >/dev/null 2>&1
    DEPENDS ${dir}/make_drawing_fixtures.sh)
  add_custom_target(images_drawing_fixtures DEPENDS ${drawing}/made)
  add_dependencies(${target} images_drawing_fixtures)
  target_compile_definitions(${target} PRIVATE GRAV_DRAWING_FIXTURES="${drawing}")
endif()

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
  # An image printed on the Wine test printer, read by the hardcopy tests' reader.
  grav_test_readers(${target} images_printed printed-images GRAV_PRINTED_DIR
                    ${dir}/../hardcopy/read_printed.py printer_driver_image.ps)
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
# The own page-setup dialog's preview made as a bitmap by images (the rest of the dialog is
# tested with the printer layer in tests/hardcopy/own_dialog).
if(WIN32)
  grav_own_dialog_tests(images ${dir}/own_dialog/page_setup_preview_test_win.cpp)
endif()

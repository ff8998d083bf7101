# The viewer's tests use its portable logic, the stand-in plotting program's interpreter and the
# stand-in installation (demo/); on Windows the stand-in programs are copied into it.
target_link_libraries(${target} PRIVATE velquonlogic standin)
target_compile_definitions(${target} PRIVATE GRAV_DEMO_DIR="${PROJECT_SOURCE_DIR}/demo")
if(WIN32)
  add_dependencies(${target} ferret notepad qvupdate)
  target_compile_definitions(${target} PRIVATE
    GRAV_STANDIN_FERRET="$<TARGET_FILE:ferret>" GRAV_STANDIN_NOTEPAD="$<TARGET_FILE:notepad>"
    GRAV_STANDIN_QVUPDATE="$<TARGET_FILE:qvupdate>")
endif()
if(WIN32)
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:velquonresources>)
  add_dependencies(${target} velquon)
  target_compile_definitions(${target} PRIVATE GRAV_VELQUON="$<TARGET_FILE:velquon>")
  # The README's first command from a checkout deeper than the viewer's command lines could hold:
  # the demo's set-up with this build's programs.
  math(EXPR demo_arch "${CMAKE_SIZEOF_VOID_P} * 8")
  add_test(NAME viewer_demo_deep_path
           COMMAND bash ${dir}/demo_deep_path.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR} ${demo_arch}
                   ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(viewer_demo_deep_path PROPERTIES TIMEOUT 600)
endif()

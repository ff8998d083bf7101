# extra.cmake - base_tests' stand-in mail library and helper programs.
# The stand-in is built next to base_tests.exe; Wine takes it for mapi32.dll when
# WINEDLLOVERRIDES says mapi32=n, which must be in the environment when the process starts.
if(WIN32)
  add_library(mapi32_standin SHARED ${dir}/mail_standin/mapi32_standin.cpp)
  set_target_properties(mapi32_standin PROPERTIES OUTPUT_NAME mapi32 PREFIX ""
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_compile_options(mapi32_standin PRIVATE ${GRAV_WARNINGS})
  target_link_options(mapi32_standin PRIVATE -Wl,--kill-at -static -static-libgcc -static-libstdc++)
  add_dependencies(${target} mapi32_standin)
  set_property(TEST ${target} APPEND PROPERTY ENVIRONMENT
               "WINEDLLOVERRIDES=mscoree,mshtml=\\;mapi32=n" "GRAV_MAIL_STANDIN=1")
endif()

# The start-up probe (a program on the library's own entry) and the child program that the
# process tests start through batch files. The tests find them by their full paths.
if(WIN32)
  add_executable(startup_probe WIN32 ${dir}/helpers/startup_probe.cpp)
  target_link_libraries(startup_probe PRIVATE gravimonder_program)
  add_executable(child_helper ${dir}/helpers/child_helper.cpp)
  foreach(helper startup_probe child_helper)
    target_compile_options(${helper} PRIVATE ${GRAV_WARNINGS})
    set_target_properties(${helper} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endforeach()
  add_dependencies(${target} startup_probe child_helper)
  target_compile_definitions(${target} PRIVATE
    GRAV_STARTUP_PROBE="$<TARGET_FILE:startup_probe>" GRAV_CHILD_HELPER="$<TARGET_FILE:child_helper>")
endif()

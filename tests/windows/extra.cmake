# extra.cmake - windows_tests' own resources: menus for split panes and the root (with
# accelerators and prompts), and dialogs that can and cannot be combined with a window.
if(WIN32)
  target_sources(${target} PRIVATE ${dir}/resources/windows.rc)
endif()

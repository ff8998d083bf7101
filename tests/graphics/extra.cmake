# The graphics tests' dialog with a graphics field (Windows only).
if(WIN32)
  enable_language(RC)
  target_sources(${target} PRIVATE ${dir}/resources/graphics.rc)
endif()

# A stand-in for Qt Shader Tools, which is not built for Windows here. Qt
# Multimedia bakes the shaders of its video output with it; the game only
# plays music, so each set of shaders is left out and its resource, which
# the video code still initialises, is empty.
set(Qt6ShaderTools_FOUND TRUE)
if(NOT COMMAND qt_internal_add_shaders)
  function(qt_internal_add_shaders target resource)
    set(empty "${CMAKE_CURRENT_BINARY_DIR}/${resource}_left_out.cpp")
    file(WRITE "${empty}" "// The ${resource} shaders are left out of this build.\n"
                          "int qInitResources_${resource}() { return 1; }\n"
                          "int qCleanupResources_${resource}() { return 1; }\n")
    target_sources(${target} PRIVATE "${empty}")
  endfunction()
endif()

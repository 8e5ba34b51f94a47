# Warnings for our own code. JUCE's headers come in as system headers (see
# LumiverJuce.cmake), so only our sources are held to these.
function(lumiver_enable_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# The framework's index-based parameter API is deprecated in JUCE 7 but is the
# interface this product speaks; files that use it mark themselves with this.
function(lumiver_allow_deprecated)
    set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS -Wno-deprecated-declarations)
endfunction()

# JUCE's module targets are INTERFACE libraries whose sources compile into every
# target that links them. To compile the framework once per build, its modules
# are linked privately into this one static library, and only their include
# directories and definitions are passed on to the targets that link it.
add_library(lumiver_juce STATIC)

target_link_libraries(lumiver_juce
    PRIVATE
        juce::juce_core
        juce::juce_events
        juce::juce_data_structures
        juce::juce_graphics
        juce::juce_gui_basics
        juce::juce_gui_extra
        juce::juce_audio_basics
        juce::juce_audio_formats
        juce::juce_audio_processors
    PUBLIC
        juce::juce_recommended_config_flags)

target_compile_definitions(lumiver_juce
    PUBLIC
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_PLUGINHOST_VST3=1
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_REPORT_APP_USAGE=0
        JUCE_MODAL_LOOPS_PERMITTED=0
        JUCE_STRICT_REFCOUNTEDPOINTER=1
    INTERFACE
        $<TARGET_PROPERTY:lumiver_juce,COMPILE_DEFINITIONS>)

target_include_directories(lumiver_juce SYSTEM
    INTERFACE
        $<TARGET_PROPERTY:lumiver_juce,INCLUDE_DIRECTORIES>)

# On Linux juce_graphics decodes PNG and JPEG with the system's libpng and
# libjpeg; whoever links the framework links those too.
if(TARGET juce::pkgconfig_JUCE_IMG_LINUX_DEPS)
    target_link_libraries(lumiver_juce PRIVATE juce::pkgconfig_JUCE_IMG_LINUX_DEPS)
endif()

# JUCE's own sources are not ours to hold to our warning flags. Its
# translation units are large: with sanitizers and full debug information one
# takes gigabytes to compile, so debug builds keep only line tables for it and
# at most three of them compile at once.
target_compile_options(lumiver_juce PRIVATE -w $<$<CONFIG:Debug,RelWithDebInfo>:-g1>)

set_property(GLOBAL APPEND PROPERTY JOB_POOLS juce_compile=3)
set_target_properties(lumiver_juce PROPERTIES JOB_POOL_COMPILE juce_compile)

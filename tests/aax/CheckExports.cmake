# Fails unless the dynamic symbol table of PLUGIN defines exactly the seven ACF
# entry points.
execute_process(COMMAND nm -D --defined-only ${PLUGIN}
    OUTPUT_VARIABLE symbols
    RESULT_VARIABLE result)

if(NOT result EQUAL 0)
    message(FATAL_ERROR "nm failed on ${PLUGIN}")
endif()

string(REGEX MATCHALL "[^ \n]+\n" names "${symbols}")
list(TRANSFORM names STRIP)
list(SORT names)

set(expected ACFCanUnloadNow ACFGetClassFactory ACFGetSDKVersion ACFRegisterComponent
    ACFRegisterPlugin ACFShutdown ACFStartup)

if(NOT names STREQUAL expected)
    message(FATAL_ERROR "Exported: ${names}\nExpected: ${expected}")
endif()

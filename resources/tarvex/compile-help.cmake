# cmake -DCHMCMD=... -DPROJECT=<folder>/Tarvex.hhp -DPROJECT_VERSION=... -P compile-help.cmake
# Compiles the manual quietly; a missing page or picture (a chmcmd warning) fails the build.
# The pages name the version as @PROJECT_VERSION@, filled in here from the project's.
get_filename_component(folder ${PROJECT} DIRECTORY)
get_filename_component(name ${PROJECT} NAME)
file(GLOB pages ${folder}/*.html)
foreach(page ${pages})
    file(READ ${page} text)
    string(CONFIGURE "${text}" text @ONLY)
    file(WRITE ${page} "${text}")
endforeach()
execute_process(COMMAND ${CHMCMD} --verbosity 0 ${name}
    WORKING_DIRECTORY ${folder}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "Warning|Error")
    message(FATAL_ERROR "chmcmd failed (${result}):\n${output}")
endif()

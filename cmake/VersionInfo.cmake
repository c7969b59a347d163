# The tool set's one version number is the project's (project(... VERSION)). The code reads it
# from TarvexVersion.h made here; each deliverable's .rc includes the VERSIONINFO block made
# here from it, and the setup program carries the same number.
set(TARVEX_VERSION_DIR ${PROJECT_BINARY_DIR}/version)
configure_file(${PROJECT_SOURCE_DIR}/resources/TarvexVersion.h.in
    ${TARVEX_VERSION_DIR}/TarvexVersion.h @ONLY)
if(WIN32)
    configure_file(${PROJECT_SOURCE_DIR}/resources/VersionInfo.rc.in
        ${TARVEX_VERSION_DIR}/VersionInfo.rc @ONLY)
    include_directories($<$<COMPILE_LANGUAGE:RC>:${TARVEX_VERSION_DIR}>)
endif()

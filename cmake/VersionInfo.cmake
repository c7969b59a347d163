# The tool set's one version number is the project's (project(... VERSION)). Each
# deliverable's .rc includes the VERSIONINFO block made here from it; the setup program
# carries the same number.
configure_file(${PROJECT_SOURCE_DIR}/resources/VersionInfo.rc.in
    ${PROJECT_BINARY_DIR}/version/VersionInfo.rc @ONLY)
include_directories($<$<COMPILE_LANGUAGE:RC>:${PROJECT_BINARY_DIR}/version>)

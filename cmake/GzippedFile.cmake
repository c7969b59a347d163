# tarvex_gzipped_file(TARGET SOURCE OUT_VAR): SOURCE, a template that may name
# @PROJECT_VERSION@, configured into the current build folder (without its ".in") and
# compressed there as Debian wants man pages and changelogs: gzip -9 without a name or time
# stamp, so the same text always gives the same bytes. TARGET makes it with every build;
# OUT_VAR receives the .gz file's path.
function(tarvex_gzipped_file target source out_var)
    get_filename_component(name ${source} NAME)
    string(REGEX REPLACE "\\.in$" "" name ${name})
    set(plain ${CMAKE_CURRENT_BINARY_DIR}/${name})
    configure_file(${source} ${plain} @ONLY)
    add_custom_command(OUTPUT ${plain}.gz
        COMMAND gzip -9nkf ${plain}
        DEPENDS ${plain}
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${plain}.gz)
    set(${out_var} ${plain}.gz PARENT_SCOPE)
endfunction()

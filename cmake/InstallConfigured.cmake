# tvq_install_configured(<template> <destination> <variable> <program>)
# Installs <template> (a ".in" file, relative to the current source folder)
# into <destination> under the install prefix, with @<variable>@ replaced by
# the installed <program>'s full path. The path is settled at install time,
# so `cmake --install --prefix DIR` and the packages cpack makes point at the
# program where it really lands, not where configure first expected it.
function(tvq_install_configured template destination variable program)
    get_filename_component(name ${template} NAME_WLE)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${name})
    install(CODE "
        set(${variable} \"\${CMAKE_INSTALL_PREFIX}/${program}\")
        configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/${template}\" \"${out}\" @ONLY)
        file(INSTALL \"${out}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${destination}\")
    ")
endfunction()

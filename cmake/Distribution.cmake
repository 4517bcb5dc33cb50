# The distribution folder: the program's directory as a user gets it. The default project
# file is written by the product's own code (zimtool default) at build time.
set(ZIM_DIST "${CMAKE_BINARY_DIR}/dist")
set(default_dir "${ZIM_DIST}/Projects/Default project")
set(default_file "${default_dir}/Default project.zim")

add_custom_command(
    OUTPUT "${default_file}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${default_dir}"
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} "$<TARGET_FILE:zimtool>" default "${default_file}"
    DEPENDS zimtool
    COMMENT "Writing the default project"
    VERBATIM)

add_custom_target(dist ALL
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${ZIM_DIST}/FORTRAN PROGRAMS"
            "${ZIM_DIST}/LIBRARIES" "${ZIM_DIST}/Templates" "${default_dir}"
    COMMAND "${CMAKE_COMMAND}" -E copy_if_different "$<TARGET_FILE:ZimDesigner>"
            "$<TARGET_FILE:zimtool>" "${ZIM_DIST}"
    COMMAND "${CMAKE_COMMAND}" -E copy_directory "${PROJECT_SOURCE_DIR}/resources/templates"
            "${ZIM_DIST}/Templates"
    COMMAND "${CMAKE_COMMAND}" -E copy_directory
            "${PROJECT_SOURCE_DIR}/resources/default-project" "${default_dir}"
    COMMAND "${CMAKE_COMMAND}" -E copy_directory "${PROJECT_SOURCE_DIR}/resources/libraries"
            "${ZIM_DIST}/LIBRARIES"
    DEPENDS "${default_file}" ZimDesigner zimtool
    VERBATIM)

# The runtime library and the image-blending import library, which generation copies into every
# compiler project (the toolchain's libmsimg32.a under the name the projects use).
if(TARGET ZIM)
    add_custom_command(TARGET dist POST_BUILD
        COMMAND "${CMAKE_COMMAND}" -E copy_if_different "$<TARGET_FILE:ZIM>"
                "${ZIM_DIST}/LIBRARIES/ZIM.lib"
        COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${ZIM_MSIMG32_IMPORT}"
                "${ZIM_DIST}/LIBRARIES/MSImg32.Lib"
        VERBATIM)
    add_dependencies(dist ZIM)
endif()

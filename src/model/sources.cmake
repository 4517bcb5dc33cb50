list(APPEND ZIM_CORE_SOURCES
    model/default_project.cpp
    model/file_copy.cpp
    model/program_state.cpp
    model/programming_error.cpp
    model/project.cpp
    model/project_file.cpp
    model/style_help.cpp
    model/style_lists.cpp
    model/text_field.cpp
)
# The core's few pieces that differ between the builds, behind portable headers.
list(APPEND ZIM_CORE_NATIVE_SOURCES
    model/file_links_native.cpp
    model/name_path_native.cpp
)
list(APPEND ZIM_CORE_WINDOWS_SOURCES
    model/file_links_windows.cpp
    model/name_path_windows.cpp
)

list(APPEND ZIM_CORE_SOURCES
    model/default_project.cpp
    model/program_state.cpp
    model/project.cpp
    model/project_file.cpp
    model/style_lists.cpp
    model/text_field.cpp
)

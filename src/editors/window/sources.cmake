list(APPEND ZIM_CORE_SOURCES
    editors/window/control_list_operations.cpp
    editors/window/control_templates.cpp
    editors/window/file_plan.cpp
    editors/window/image_list_operations.cpp
    editors/window/list_messages.cpp
    editors/window/list_operation.cpp
    editors/window/position_changes.cpp
    editors/window/positional_names.cpp
    editors/window/project_file_deletion.cpp
    editors/window/style_list_pair.cpp
    editors/window/window_class_rules.cpp
    editors/window/window_list_operations.cpp
    editors/window/window_size_image.cpp
    editors/window/window_style_rules.cpp
    editors/window/window_type_rules.cpp
)
list(APPEND ZIM_WIN32_SOURCES
    editors/window/style_list_controls.cpp
    editors/window/window_class_page.cpp
    editors/window/window_controls_page.cpp
    editors/window/window_header.cpp
    editors/window/window_page_base.cpp
    editors/window/window_page_questions.cpp
    editors/window/window_styles_page.cpp
    editors/window/window_type_page.cpp
)

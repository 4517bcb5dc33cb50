list(APPEND ZIM_CORE_SOURCES
    shell/picker_rules.cpp
    shell/description_rules.cpp
    shell/rectangle_size_rules.cpp
    shell/selection_list_rules.cpp
    shell/selection_state.cpp
)
list(APPEND ZIM_WIN32_SOURCES
    shell/application.cpp
    shell/dialog_runner.cpp
    shell/shell_state.cpp
    shell/user_questions.cpp
    shell/description_prompt.cpp
    shell/named_list_dialog.cpp
    shell/rectangle_size_dialog.cpp
    shell/selection_dialog.cpp
    shell/standard_cursor_dialog.cpp
    shell/standard_icon_dialog.cpp
    shell/standard_image_dialog.cpp
    shell/stock_brush_dialog.cpp
    shell/system_colour_dialog.cpp
)

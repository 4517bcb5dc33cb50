list(APPEND ZIM_CORE_SOURCES
    shell/picker_rules.cpp
)
list(APPEND ZIM_WIN32_SOURCES
    shell/application.cpp
    shell/dialog_runner.cpp
    shell/shell_state.cpp
    shell/user_questions.cpp
)

list(APPEND ZIM_CORE_SOURCES
    generator/button_action_source.cpp
    generator/comment_text.cpp
    generator/generate_command.cpp
    generator/generation_driver.cpp
    generator/output_directory.cpp
    generator/resource_script.cpp
    generator/text_sink.cpp
)

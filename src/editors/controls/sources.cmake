list(APPEND ZIM_CORE_SOURCES
    editors/controls/button_image_rules.cpp
    editors/controls/button_state_rules.cpp
    editors/controls/button_style_options.cpp
    editors/controls/button_type_rules.cpp
    editors/controls/control_field_rules.cpp
    editors/controls/control_font_rules.cpp
    editors/controls/control_image_files.cpp
    editors/controls/control_image_rules.cpp
    editors/controls/control_preview_rules.cpp
    editors/controls/control_style_entries.cpp
    editors/controls/control_text_rules.cpp
    editors/controls/image_selection.cpp
    editors/controls/static_colour_selection.cpp
    editors/controls/static_image_rules.cpp
    editors/controls/static_style_options.cpp
    editors/controls/static_text_attributes.cpp
)

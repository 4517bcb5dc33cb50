list(APPEND ZIM_CORE_SOURCES
    editors/frame/background_image_page_rules.cpp
    editors/frame/background_sample.cpp
    editors/frame/bitmap_header.cpp
    editors/frame/edited_image.cpp
    editors/frame/editing_session.cpp
    editors/frame/editor_tabs.cpp
    editors/frame/frame_layout.cpp
    editors/frame/kind_selector.cpp
    editors/frame/number_field.cpp
    editors/frame/placement_codes.cpp
    editors/frame/placement_tooltips.cpp
    editors/frame/program_page_rules.cpp
    editors/frame/project_image_copy.cpp
    editors/frame/wallpaper_image.cpp
    editors/frame/wallpaper_page_rules.cpp
)
list(APPEND ZIM_WIN32_SOURCES
    editors/frame/page_base.cpp
)

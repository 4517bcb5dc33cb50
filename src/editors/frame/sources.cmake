list(APPEND ZIM_CORE_SOURCES
    editors/frame/editing_session.cpp
    editors/frame/editor_tabs.cpp
    editors/frame/frame_layout.cpp
    editors/frame/kind_selector.cpp
    editors/frame/placement_tooltips.cpp
    editors/frame/preview_image_fit.cpp
    editors/frame/program_page_rules.cpp
)
list(APPEND ZIM_WIN32_SOURCES
    editors/frame/command_buttons.cpp
    editors/frame/control_kind_header.cpp
    editors/frame/control_preview_panel.cpp
    editors/frame/frame_menus.cpp
    editors/frame/image_preview_panel.cpp
    editors/frame/page_base.cpp
    editors/frame/parameters_frame.cpp
    editors/frame/placement_selector.cpp
    editors/frame/program_page.cpp
    editors/frame/tab_pages.cpp
)

list(APPEND ZIM_CORE_SOURCES
    editors/frame/editor_tabs.cpp
    editors/frame/frame_layout.cpp
    editors/frame/placement_tooltips.cpp
)

list(APPEND ZIM_CORE_SOURCES
    live/edit_drag.cpp
    live/edit_geometry.cpp
    live/image_draw_plan.cpp
    live/image_drawing.cpp
    live/image_placement.cpp
    live/window_placement.cpp
)
list(APPEND ZIM_WIN32_SOURCES
    live/dialog_runner.cpp
    live/window_base.cpp
)

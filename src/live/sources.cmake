list(APPEND ZIM_CORE_SOURCES
    live/edit_drag.cpp
    live/edit_geometry.cpp
    live/image_draw_plan.cpp
    live/image_drawing.cpp
    live/image_placement.cpp
    live/window_placement.cpp
)
list(APPEND ZIM_WIN32_SOURCES
    live/background_canvas.cpp
    live/button_actions.cpp
    live/button_subclass.cpp
    live/designed_window.cpp
    live/dialog_runner.cpp
    live/image_painter.cpp
    live/live_brushes.cpp
    live/live_classes.cpp
    live/live_content.cpp
    live/live_controls.cpp
    live/live_host.cpp
    live/live_images.cpp
    live/live_tooltips.cpp
    live/preview.cpp
    live/preview_windows.cpp
    live/wallpaper_window.cpp
    live/window_base.cpp
)

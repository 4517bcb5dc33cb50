list(APPEND ZIM_CORE_SOURCES
    live/window_placement.cpp
)

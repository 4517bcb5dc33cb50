list(APPEND ZIM_WIN32_SOURCES
    shell/application.cpp
)

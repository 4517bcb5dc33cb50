list(APPEND ZIM_CORE_SOURCES
    archive/archive_listing.cpp
    archive/created_date.cpp
    archive/description_preview.cpp
    archive/failure_message.cpp
    archive/file_operations.cpp
    archive/name_dialog_rules.cpp
    archive/project_commands.cpp
    archive/safe_name.cpp
)
list(APPEND ZIM_WIN32_SOURCES
    archive/name_dialog.cpp
)

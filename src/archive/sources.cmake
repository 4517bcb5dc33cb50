list(APPEND ZIM_CORE_SOURCES
    archive/archive_listing.cpp
    archive/created_date.cpp
    archive/file_operations.cpp
)

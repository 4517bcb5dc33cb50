// The image a control preview shows: a standard icon the system shares, or an icon or bitmap
// loaded at its natural size from the control's file in the project folder. The handle frees
// what it loaded when it loads another or goes.
#pragma once

#include <windows.h>

#include "editors/controls/control_image_rules.h"

namespace zim {

class PreviewImageHandle {
  public:
    PreviewImageHandle() = default;
    ~PreviewImageHandle() { release(); }
    PreviewImageHandle(const PreviewImageHandle&) = delete;
    PreviewImageHandle& operator=(const PreviewImageHandle&) = delete;

    // `type` says how a file is read; a standard icon is always an icon.
    void load(const PreviewImage& image, ControlImageType type);
    void release();

    HANDLE handle() const { return handle_; }
    UINT type() const { return type_; } // IMAGE_ICON or IMAGE_BITMAP
    // 0 by 0 when nothing is loaded.
    ImageSize size() const { return size_; }

  private:
    HANDLE handle_ = nullptr;
    UINT type_ = IMAGE_BITMAP;
    bool owned_ = false;
    ImageSize size_;
};

} // namespace zim

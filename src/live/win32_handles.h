// Window and GDI handles in the model's 32-bit live slots. Windows keeps USER and GDI handles
// within 32 significant bits, so a handle is stored by truncation and read back by sign
// extension; nothing else converts handles.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zim {

inline int32_t storeHandle(const void* handle) {
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(handle));
}

template <class Handle> Handle loadHandle(int32_t slot) {
    return reinterpret_cast<Handle>(static_cast<intptr_t>(slot));
}

} // namespace zim

#include "runtime/runtime_host.h"

#include "model/project.h"
#include "runtime/fortran_calls.h"

namespace zim {

void RuntimeHost::userSubroutine(int windowNumber, int buttonNumber) {
    // The handle as the project keeps it: 32 bits, which is what the routine's integer holds.
    const int32_t handle = button(windowNumber, buttonNumber).hwnd;
    zim_call_button_action(windowNumber, buttonNumber, handle);
}

} // namespace zim

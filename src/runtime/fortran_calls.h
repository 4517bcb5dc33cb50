// The meeting point of the runtime's C++ and Fortran parts. The Fortran part
// (program_routines.f90) calls the user's routines and formats values; both sides name these
// functions with bind(C), so neither depends on how a Fortran compiler spells its own names.
#pragma once

#include <cstdint>

extern "C" {

// Implemented in Fortran: call the user's ButtonDefinedAction, User_On_Init and User_On_Exit.
void zim_call_button_action(int32_t windowNumber, int32_t buttonNumber, int32_t buttonHandle);
void zim_call_user_on_init();
void zim_call_user_on_exit();

// Implemented in C++ for the routines the user's code calls.
void zim_set_static_text(int32_t windowNumber, int32_t staticNumber, const char* text,
                         int32_t length);
void zim_open_window(int32_t windowNumber);
void zim_close_window(int32_t windowNumber);
}

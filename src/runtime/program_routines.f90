! The Fortran part of the runtime library of generated programs.
!
! The routines a generated program's own code calls take their arguments the way the program's
! compiler passes them (by reference, a text with its hidden length); values are formatted here
! by Fortran itself, so every format the compiler knows works. The finished text goes to the
! C++ part through the bind(C) interfaces of zim_runtime_bridge.

module zim_runtime_bridge
    use, intrinsic :: iso_c_binding, only: c_char, c_int32_t
    implicit none
    private
    public :: zim_show_text, zim_text_length, zim_open_window, zim_close_window

    ! Room for any text a format makes; the C++ part cuts it to the static's field.
    integer, parameter :: zim_text_length = 1024

    interface
        subroutine zim_set_static_text(window_number, static_number, text, length) &
            bind(C, name="zim_set_static_text")
            import :: c_char, c_int32_t
            integer(c_int32_t), value :: window_number, static_number, length
            character(kind=c_char), dimension(*), intent(in) :: text
        end subroutine
        subroutine zim_open_window(window_number) bind(C, name="zim_open_window")
            import :: c_int32_t
            integer(c_int32_t), value :: window_number
        end subroutine
        subroutine zim_close_window(window_number) bind(C, name="zim_close_window")
            import :: c_int32_t
            integer(c_int32_t), value :: window_number
        end subroutine
    end interface

contains

    ! Trailing blanks of a Fortran text carry no meaning and are not shown.
    subroutine zim_show_text(window_number, static_number, text)
        integer(4), intent(in) :: window_number, static_number
        character(len=*), intent(in) :: text
        call zim_set_static_text(window_number, static_number, text, len_trim(text))
    end subroutine

end module zim_runtime_bridge

! ---- Calls into the program's own code -------------------------------------------------------

! Copies are passed, so a routine that assigns to its arguments changes nothing here.
subroutine zim_call_button_action(window_number, button_number, button_handle) &
    bind(C, name="zim_call_button_action")
    use, intrinsic :: iso_c_binding, only: c_int32_t
    implicit none
    integer(c_int32_t), value :: window_number, button_number, button_handle
    integer(4) :: wnd, button, handle
    external :: ButtonDefinedAction
    wnd = window_number
    button = button_number
    handle = button_handle
    call ButtonDefinedAction(wnd, button, handle)
end subroutine

subroutine zim_call_user_on_init() bind(C, name="zim_call_user_on_init")
    implicit none
    external :: User_On_Init
    call User_On_Init()
end subroutine

subroutine zim_call_user_on_exit() bind(C, name="zim_call_user_on_exit")
    implicit none
    external :: User_On_Exit
    call User_On_Exit()
end subroutine

! ---- Static controls ---------------------------------------------------------------------------
! A window or static number that names no static control of the design is ignored, and so is
! a format that cannot write the value (the static keeps its text).

subroutine SetZIMStaticCaption(WndNumber, StaticNumber, Text)
    use zim_runtime_bridge
    implicit none
    integer(4), intent(in) :: WndNumber, StaticNumber
    character(len=*), intent(in) :: Text
    call zim_show_text(WndNumber, StaticNumber, Text)
end subroutine

subroutine ClearZIMStaticCaption(WndNumber, StaticNumber)
    use zim_runtime_bridge
    implicit none
    integer(4), intent(in) :: WndNumber, StaticNumber
    call zim_show_text(WndNumber, StaticNumber, '')
end subroutine

subroutine WriteRealToZIMStaticAsFormatted(WndNumber, StaticNumber, Value, Fmt)
    use zim_runtime_bridge
    implicit none
    integer(4), intent(in) :: WndNumber, StaticNumber
    real(4), intent(in) :: Value
    character(len=*), intent(in) :: Fmt
    character(len=zim_text_length) :: text
    integer :: status
    write (text, Fmt, iostat=status) Value
    if (status == 0) call zim_show_text(WndNumber, StaticNumber, text)
end subroutine

! List-directed output starts with blanks of its own; the static shows the value alone.
subroutine WriteRealToZIMStaticUnFormatted(WndNumber, StaticNumber, Value)
    use zim_runtime_bridge
    implicit none
    integer(4), intent(in) :: WndNumber, StaticNumber
    real(4), intent(in) :: Value
    character(len=zim_text_length) :: text
    integer :: status
    write (text, *, iostat=status) Value
    if (status == 0) call zim_show_text(WndNumber, StaticNumber, adjustl(text))
end subroutine

subroutine WriteDRealToZIMStaticAsFormatted(WndNumber, StaticNumber, Value, Fmt)
    use zim_runtime_bridge
    implicit none
    integer(4), intent(in) :: WndNumber, StaticNumber
    real(8), intent(in) :: Value
    character(len=*), intent(in) :: Fmt
    character(len=zim_text_length) :: text
    integer :: status
    write (text, Fmt, iostat=status) Value
    if (status == 0) call zim_show_text(WndNumber, StaticNumber, text)
end subroutine

subroutine WriteDRealToZIMStaticUnFormatted(WndNumber, StaticNumber, Value)
    use zim_runtime_bridge
    implicit none
    integer(4), intent(in) :: WndNumber, StaticNumber
    real(8), intent(in) :: Value
    character(len=zim_text_length) :: text
    integer :: status
    write (text, *, iostat=status) Value
    if (status == 0) call zim_show_text(WndNumber, StaticNumber, adjustl(text))
end subroutine

subroutine WriteIntegerToZIMStaticAsFormatted(WndNumber, StaticNumber, Value, Fmt)
    use zim_runtime_bridge
    implicit none
    integer(4), intent(in) :: WndNumber, StaticNumber
    integer(4), intent(in) :: Value
    character(len=*), intent(in) :: Fmt
    character(len=zim_text_length) :: text
    integer :: status
    write (text, Fmt, iostat=status) Value
    if (status == 0) call zim_show_text(WndNumber, StaticNumber, text)
end subroutine

subroutine WriteIntegerToZIMStaticUnFormatted(WndNumber, StaticNumber, Value)
    use zim_runtime_bridge
    implicit none
    integer(4), intent(in) :: WndNumber, StaticNumber
    integer(4), intent(in) :: Value
    character(len=zim_text_length) :: text
    integer :: status
    write (text, *, iostat=status) Value
    if (status == 0) call zim_show_text(WndNumber, StaticNumber, adjustl(text))
end subroutine

! ---- Windows -----------------------------------------------------------------------------------

! Opens window WndNumber of the design as the program opens window 1 (a modal dialog runs until
! it is closed); an open window comes to the front.
subroutine OpenZIMWindow(WndNumber)
    use zim_runtime_bridge
    implicit none
    integer(4), intent(in) :: WndNumber
    call zim_open_window(WndNumber)
end subroutine

! Closes window WndNumber as its close-window button would; closing window 1 ends the program.
subroutine CloseZIMWindow(WndNumber)
    use zim_runtime_bridge
    implicit none
    integer(4), intent(in) :: WndNumber
    call zim_close_window(WndNumber)
end subroutine

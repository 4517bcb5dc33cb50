 subroutine User_On_Init()
 !-------------------------------------------------------------------
 ! Purpose - your own start-up code.
 !           Called once when the program starts, before the first
 !           window is shown. Put here what your program needs first:
 !           initial values of your data, files to open, settings to
 !           read.
 !-------------------------------------------------------------------
 return
 end

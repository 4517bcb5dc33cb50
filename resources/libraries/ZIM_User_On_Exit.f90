 subroutine User_On_Exit()
 !-------------------------------------------------------------------
 ! Purpose - your own closing code.
 !           Called once when the program ends, after its last window
 !           has closed. Put here what must happen before it stops:
 !           results to save, files to close, memory to release.
 !-------------------------------------------------------------------
 return
 end

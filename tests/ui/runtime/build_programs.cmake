# Makes the programs the runtime tests run, with the product's own tools only: the stored
# projects (make_runtime_projects), their compiler projects (zimtool generate, which must find
# every library file), the user's code typed into the generated files, and the programs
# (zimtool build). Run by CTest before the tests; every step must succeed.
#   cmake -DZIMTOOL=... -DMAKE_PROJECTS=... -DIMAGES=... -DLIBRARIES=... -DOUT=... -P this
cmake_minimum_required(VERSION 3.16)

function(run)
    string(REPLACE ";" " " shown "${ARGN}")
    message(STATUS "${shown}")
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${shown}")
    endif()
endfunction()

# Puts `code` (lines of Fortran) right after the comment line that repeats a button's caption.
# file(READ) gives the text without its carriage returns; they are put back on writing, so the
# file keeps its CR LF line ends.
function(insert_after_caption file caption code)
    file(READ "${file}" source)
    set(marker "!  <<${caption}>>\n")
    string(FIND "${source}" "${marker}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${file} has no button \"${caption}\"")
    endif()
    string(REPLACE "${marker}" "${marker}${code}" source "${source}")
    string(REPLACE "\r\n" "\n" source "${source}")
    string(REPLACE "\n" "\r\n" source "${source}")
    file(WRITE "${file}" "${source}")
endfunction()

# The hooks leave a trace in the program's current folder.
function(write_hook file name)
    string(CONCAT code " subroutine ${name}()\r\n"
                       " open(unit=11, file='${name}.txt', status='replace')\r\n"
                       " write(11, '(A)') '${name} ran'\r\n"
                       " close(11)\r\n"
                       " end\r\n")
    file(WRITE "${file}" "${code}")
endfunction()

file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}/projects" "${OUT}/generated")
run("${MAKE_PROJECTS}" "${OUT}/projects" "${IMAGES}")

foreach(name "Default project" "Runtime demo" "Bench window")
    set(generated "${OUT}/generated/${name}")
    run("${ZIMTOOL}" generate "${OUT}/projects/${name}" "${generated}" --libraries "${LIBRARIES}")
    write_hook("${generated}/ZIM_User_On_Init.f90" User_On_Init)
    write_hook("${generated}/ZIM_User_On_Exit.f90" User_On_Exit)
endforeach()

set(demo "${OUT}/generated/Runtime demo/ZIM_ButtonDefinedAction.f90")
insert_after_caption("${demo}" Start
    " call SetZIMStaticCaption(WndNumber,1,'Started by button #'//char(48+ButtonNumber))\n call WriteRealToZIMStaticAsFormatted(1,2,3.25,'(F6.2)')\n")
insert_after_caption("${demo}" Open " call OpenZIMWindow(2)\n")
insert_after_caption("${demo}" Close " call WriteIntegerToZIMStaticUnFormatted(1,3,42)\n")

# The default project's compiler project with its design data destroyed.
file(COPY "${OUT}/generated/Default project/" DESTINATION "${OUT}/generated/Damaged")
file(WRITE "${OUT}/generated/Damaged/ZIM_GUI.zim" "not a design")

run("${ZIMTOOL}" build "${OUT}/generated/Default project" --out "${OUT}/default.exe")
run("${ZIMTOOL}" build "${OUT}/generated/Runtime demo" --out "${OUT}/demo.exe")
run("${ZIMTOOL}" build "${OUT}/generated/Bench window" --out "${OUT}/bench.exe")
run("${ZIMTOOL}" build "${OUT}/generated/Damaged" --out "${OUT}/damaged.exe")

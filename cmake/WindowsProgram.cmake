# Windows programs cross-compiled with mingw-w64: the chat sender that runs under Wine beside a
# chat client, and the stand-in client its tests run against. They are linked statically, so
# Wine needs no MinGW runtime libraries beside them, and stripped.
#
# tintra_add_windows_program(TARGET OUTPUT file.exe SOURCES source... DEPENDS header...)
# Sources and headers are relative to the project's source folder.
function(tintra_add_windows_program target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "OUTPUT" "SOURCES;DEPENDS")
    set(flags -std=c++20 -O2 ${TINTRA_WARNINGS} -static -s)
    list(TRANSFORM arg_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)
    list(TRANSFORM arg_DEPENDS PREPEND ${PROJECT_SOURCE_DIR}/)
    cmake_path(GET arg_OUTPUT PARENT_PATH folder)
    add_custom_command(OUTPUT ${arg_OUTPUT}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${TINTRA_MINGW_CXX} ${flags} -I${PROJECT_SOURCE_DIR} -o ${arg_OUTPUT} ${arg_SOURCES}
        DEPENDS ${arg_SOURCES} ${arg_DEPENDS}
        COMMENT "Cross-compiling ${target} for Windows"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${arg_OUTPUT})
endfunction()

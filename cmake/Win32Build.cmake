# Settings of the MinGW-w64 build.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# Static linking: the .exe must need no MinGW DLLs (a libwinpthread-1.dll
# import would fail under Wine).
add_link_options(-static -static-libgcc -static-libstdc++)

find_package(GTest REQUIRED CONFIG)

add_library(yq_sqlite3 STATIC IMPORTED GLOBAL)
set_target_properties(yq_sqlite3 PROPERTIES
  IMPORTED_LOCATION "${YQ_MINGW_PREFIX}/lib/libsqlite3.a"
  INTERFACE_INCLUDE_DIRECTORIES "${YQ_MINGW_PREFIX}/include")
add_library(SQLite::SQLite3 ALIAS yq_sqlite3)

add_library(yq_jpeg STATIC IMPORTED GLOBAL)
set_target_properties(yq_jpeg PROPERTIES
  IMPORTED_LOCATION "${YQ_MINGW_PREFIX}/lib/libjpeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${YQ_MINGW_PREFIX}/include")
add_library(JPEG::JPEG ALIAS yq_jpeg)

# Build-time generators run on the host: they come from the host build.
set(YQ_HOST_BUILD_DIR "${CMAKE_SOURCE_DIR}/build/host" CACHE PATH "Folder of the host build")
find_program(YQ_PYTHON python3 REQUIRED)

# Win32 tests run under Wine in the project's headless prefix.
set(YQ_WINE_NULL_PREFIX "${YQ_CACHE}/wine-null")

# yq_win32_test(name sources... LIBS libs...): a GoogleTest executable run by
# ctest through Wine as one test.
function(yq_win32_test name)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  yq_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "WINEPREFIX=${YQ_WINE_NULL_PREFIX};WINEDEBUG=-all;DISPLAY="
    TIMEOUT 600 LABELS win32)
  # Once more in a Chinese locale (Wine's ANSI code page then is 936): the
  # program must behave the same whatever the locale.  Its report goes to a
  # folder of its own so that it does not replace the first one's.
  add_test(NAME ${name}_zh_CN COMMAND ${name})
  set_tests_properties(${name}_zh_CN PROPERTIES
    ENVIRONMENT "WINEPREFIX=${YQ_WINE_NULL_PREFIX};WINEDEBUG=-all;DISPLAY=;LC_ALL=zh_CN.UTF-8;LANG=zh_CN.UTF-8;GTEST_OUTPUT=xml:Z:${CMAKE_BINARY_DIR}/gtest-results/zh_CN/"
    TIMEOUT 600 LABELS win32)
endfunction()
enable_language(RC)

# Small helpers so that each module's CMakeLists is a short list of sources.

set(VALDORIA_WARNINGS -Wall -Wextra -Wpedantic)
set(CMAKE_AUTOMOC ON)

# Two lean precompiled headers, built once and reused by every target of their kind.
add_library(valdoria_pch_core STATIC ${PROJECT_SOURCE_DIR}/cmake/pch_stub.cpp)
target_link_libraries(valdoria_pch_core PUBLIC Qt6::Core Qt6::Sql)
target_precompile_headers(valdoria_pch_core PRIVATE ${PROJECT_SOURCE_DIR}/cmake/pch_core.h)
target_compile_options(valdoria_pch_core PRIVATE ${VALDORIA_WARNINGS})
set_target_properties(valdoria_pch_core PROPERTIES AUTOMOC OFF)

add_library(valdoria_pch_ui STATIC ${PROJECT_SOURCE_DIR}/cmake/pch_stub.cpp)
target_link_libraries(valdoria_pch_ui PUBLIC Qt6::Core Qt6::Sql Qt6::Gui Qt6::Widgets)
target_precompile_headers(valdoria_pch_ui PRIVATE ${PROJECT_SOURCE_DIR}/cmake/pch_ui.h)
target_compile_options(valdoria_pch_ui PRIVATE ${VALDORIA_WARNINGS})
set_target_properties(valdoria_pch_ui PROPERTIES AUTOMOC OFF)

function(_valdoria_common target)
    target_compile_options(${target} PRIVATE ${VALDORIA_WARNINGS})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# valdoria_core_library(name SOURCES ... DEPENDS ...): widget-free library.
function(valdoria_core_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    _valdoria_common(${name})
    target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Sql ${ARG_DEPENDS})
    target_precompile_headers(${name} REUSE_FROM valdoria_pch_core)
endfunction()

# valdoria_ui_library(name SOURCES ... DEPENDS ...): windows of one subsystem.
function(valdoria_ui_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    _valdoria_common(${name})
    target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport ${ARG_DEPENDS})
    target_precompile_headers(${name} REUSE_FROM valdoria_pch_ui)
endfunction()

# valdoria_test(name SOURCES ... DEPENDS ... [DATABASE] [WIDGETS])
# DATABASE tests carry the label "db" so the test command can run them again on
# PostgreSQL; WIDGETS tests run on the offscreen platform.
function(valdoria_test name)
    cmake_parse_arguments(ARG "DATABASE;WIDGETS" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    _valdoria_common(${name})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE valdoria_test_support ${ARG_DEPENDS} GTest::gtest)
    if(ARG_WIDGETS)
        target_link_libraries(${name} PRIVATE valdoria_test_main_widgets)
        target_precompile_headers(${name} REUSE_FROM valdoria_pch_ui)
    else()
        target_link_libraries(${name} PRIVATE valdoria_test_main_core)
        target_precompile_headers(${name} REUSE_FROM valdoria_pch_core)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set(labels unit)
    if(ARG_DATABASE)
        set(labels db)
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${labels}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        TIMEOUT 300)
endfunction()

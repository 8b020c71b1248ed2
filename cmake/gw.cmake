# Helpers that give the source folders their library targets, each test folder one test program,
# and that keep every library's declared dependencies equal to what its files include.

# gw_library(<target> [DIRS <folders...>] [SOURCES <files...>] [DEPS <targets...>])
# Every .cpp in the folders (relative to the calling folder; by default the calling folder
# itself) becomes <target>: one library may span several folders, as a class whose member
# functions lie in files of several concerns needs. SOURCES names the files instead of taking
# every one. A library without sources becomes an interface target, so that dependants link to
# it already. DEPS are what the library's own files include (other libraries) and the outside
# packages it uses; gw_check_link_units compares the former with the includes.
function(gw_library target)
  cmake_parse_arguments(ARG "" "" "DIRS;SOURCES;DEPS" ${ARGN})
  if(NOT ARG_DIRS)
    set(ARG_DIRS .)
  endif()
  set(dirs "")
  set(files "")
  foreach(d ${ARG_DIRS})
    get_filename_component(abs ${d} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${abs})
    list(APPEND dirs ${rel})
    set_property(GLOBAL PROPERTY GW_FOLDER_OWNER_${rel} ${target})
    file(GLOB found CONFIGURE_DEPENDS ${abs}/*.cpp ${abs}/*.h)
    list(APPEND files ${found})
  endforeach()
  if(ARG_SOURCES)
    set(sources "")
    foreach(f ${ARG_SOURCES})
      get_filename_component(abs ${f} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
      list(APPEND sources ${abs})
    endforeach()
    list(FILTER files INCLUDE REGEX "\\.h$")
    list(APPEND files ${sources})
  else()
    set(sources ${files})
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
  endif()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
  set_property(GLOBAL APPEND PROPERTY GW_LIBRARIES ${target})
  set_target_properties(${target} PROPERTIES GW_FOLDERS "${dirs}" GW_FILES "${files}" GW_DEPS "${ARG_DEPS}")
endfunction()

# gw_included_libraries(<out> <files...>): the libraries whose folders the files include from.
# A folder that belongs to no library is an error, unless it is among GW_EXTRA_FOLDERS.
function(gw_included_libraries out)
  set(libs "")
  foreach(f ${ARGN})
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]*)\".*$" "\\1" header "${line}")
      get_filename_component(folder ${header} DIRECTORY)
      get_property(owner GLOBAL PROPERTY GW_FOLDER_OWNER_${folder})
      if(owner)
        list(APPEND libs ${owner})
      elseif(NOT folder IN_LIST GW_EXTRA_FOLDERS)
        file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${f})
        message(FATAL_ERROR "${rel} includes ${header}, from a folder of no library")
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES libs)
  set(${out} ${libs} PARENT_SCOPE)
endfunction()

# gw_check_link_units(): every library declares exactly the libraries its files include, no
# more (a dependency it does not use) and no less (one it reaches only through another).
function(gw_check_link_units)
  get_property(all GLOBAL PROPERTY GW_LIBRARIES)
  foreach(target ${all})
    get_target_property(files ${target} GW_FILES)
    get_target_property(declared ${target} GW_DEPS)
    gw_included_libraries(used ${files})
    list(REMOVE_ITEM used ${target})
    set(ours "")
    foreach(d ${declared})
      if(d IN_LIST all)
        list(APPEND ours ${d})
      endif()
    endforeach()
    set(missing ${used})
    set(unused ${ours})
    if(ours)
      list(REMOVE_ITEM missing ${ours})
    endif()
    if(used)
      list(REMOVE_ITEM unused ${used})
    endif()
    if(missing OR unused)
      message(FATAL_ERROR "${target}: declare the libraries its files include. Missing: ${missing}; not used: ${unused}")
    endif()
  endforeach()
endfunction()

# gw_tests(<name> DIR <folder> LIBS <targets...> [MAIN <library>]): every .cpp in <folder> becomes
# one GoogleTest program, registered test by test with CTest. Fixtures lie in <folder>/data
# (GW_TEST_DATA); scratch folders and the picture folder come from tests/support. MAIN replaces
# GoogleTest's main with a library that brings its own (gw_testmain_grid: the grid's drop-down
# editors registered first, as the program does).
function(gw_tests name)
  cmake_parse_arguments(ARG "SERIAL" "DIR;MAIN" "LIBS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIR})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  if(NOT ARG_MAIN)
    set(ARG_MAIN GTest::gtest_main)
  endif()
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE ${ARG_LIBS} gw_testsupport GTest::gtest GTest::gmock ${ARG_MAIN})
  target_compile_definitions(test_${name} PRIVATE
    GW_TEST_DATA="${dir}/data")
  # SERIAL: tests that drive a real display with xdotool run alone, so that a loaded machine
  # cannot make them miss a window or a key.
  set(serial FALSE)
  if(ARG_SERIAL)
    set(serial TRUE)
  endif()
  gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 RUN_SERIAL ${serial})
endfunction()

# gw_bench(<name> LIBS <targets...>): one Google Benchmark program from bench/<name>.cpp.
function(gw_bench name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(bench_${name} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp)
  target_link_libraries(bench_${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# gw_resources(<target> <files...>): embeds the files in <target> as named resources, looked up
# with FindResource (platform/runtime/resources.h) under their base names; the type follows the
# extension (.bmp BITMAP, .cur CURSOR, .ico ICON, anything else RCDATA). The files become byte
# arrays in a generated source with a registration table that runs at start-up; for a library
# target its object file is linked straight into every program that uses the library, so that
# the linker cannot drop the registration.
set(GW_CMAKE_FILE ${CMAKE_CURRENT_LIST_FILE})
function(gw_resources target)
  set(files "")
  foreach(f ${ARGN})
    get_filename_component(abs ${f} ABSOLUTE)
    list(APPEND files ${abs})
  endforeach()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)
  string(REPLACE ";" "|" joined "${files}")
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DGW_RESOURCE_OUTPUT=${out} "-DGW_RESOURCE_FILES=${joined}"
            -DGW_RESOURCE_TARGET=${target} -P ${GW_CMAKE_FILE}
    DEPENDS ${files} ${GW_CMAKE_FILE}
    COMMENT "Embedding resources of ${target}"
    VERBATIM)
  add_library(${target}_resources OBJECT ${out})
  target_link_libraries(${target}_resources PRIVATE gw_platform_runtime)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE" OR type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "MODULE_LIBRARY")
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:${target}_resources>)
  else()
    target_link_libraries(${target} INTERFACE $<TARGET_OBJECTS:${target}_resources>)
    add_dependencies(${target} ${target}_resources)
  endif()
endfunction()

# Script mode of gw_resources: writes the generated source.
if(CMAKE_SCRIPT_MODE_FILE AND DEFINED GW_RESOURCE_OUTPUT)
  string(REPLACE "|" ";" files "${GW_RESOURCE_FILES}")
  string(MAKE_C_IDENTIFIER "${GW_RESOURCE_TARGET}" id)
  set(body "// Resources of ${GW_RESOURCE_TARGET}, generated by gw_resources: do not edit.\n")
  string(APPEND body "#include \"platform/runtime/resources.h\"\n\nnamespace {\n\n")
  set(table "")
  set(index 0)
  foreach(f ${files})
    get_filename_component(base ${f} NAME_WE)
    get_filename_component(ext ${f} LAST_EXT)
    string(TOLOWER "${ext}" ext)
    if(ext STREQUAL ".bmp")
      set(type BITMAP)
    elseif(ext STREQUAL ".cur")
      set(type CURSOR)
    elseif(ext STREQUAL ".ico")
      set(type ICON)
    else()
      set(type RCDATA)
    endif()
    file(READ ${f} hex HEX)
    string(LENGTH "${hex}" hexlen)
    math(EXPR size "${hexlen} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
    # One byte more than the file, so that an empty file still gives a valid array.
    string(APPEND body "const unsigned char data${index}[] = {\n${bytes}0};\n\n")
    string(APPEND table "        gw::RegisterResource(\"${base}\", \"${type}\", data${index}, ${size});\n")
    math(EXPR index "${index} + 1")
  endforeach()
  string(APPEND body "struct Registration {\n    Registration()\n    {\n${table}    }\n};\n\n")
  string(APPEND body "const Registration registration_${id};\n\n}  // namespace\n")
  file(WRITE ${GW_RESOURCE_OUTPUT}.new "${body}")
  file(COPY_FILE ${GW_RESOURCE_OUTPUT}.new ${GW_RESOURCE_OUTPUT} ONLY_IF_DIFFERENT)
  file(REMOVE ${GW_RESOURCE_OUTPUT}.new)
endif()

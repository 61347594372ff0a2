# Included by the page's CMakeLists.txt, so that its rules may depend on the
# module's files. The viewer's own sources built to WebAssembly by emscripten's em++, for the
# web page: tev_core, the capture backend as its OpenGL, the key-script
# parser, the link's fragment, section planes and the model's capture, and the page's C
# interface (tev_wasm.cpp). The headers of OpenGL, GLUT and nlohmann-json are
# the system's, through a directory of links that holds only them.
set(wasm_sources ${tev_core_sources}
    tools/gl_capture/gl_capture.cpp tools/gl_capture/matrices.cpp tools/gl_capture/tessellation.cpp
    tools/common/key_script.cpp tools/common/headless.cpp tools/common/timing.cpp tools/common/view_link.cpp
    tools/common/section_plane.cpp
    tools/export/model.cpp tools/export/web/wasm/tev_wasm.cpp)

set(wasm_dir ${CMAKE_CURRENT_BINARY_DIR}/wasm)
set(headers ${wasm_dir}/include)
file(MAKE_DIRECTORY ${headers} ${wasm_dir}/objects)
find_path(freeglut_headers GL/freeglut.h REQUIRED)
find_path(khr_headers KHR/khrplatform.h REQUIRED)
find_path(json_headers nlohmann/json.hpp REQUIRED)
file(CREATE_LINK ${freeglut_headers}/GL ${headers}/GL SYMBOLIC)
file(CREATE_LINK ${khr_headers}/KHR ${headers}/KHR SYMBOLIC)
file(CREATE_LINK ${json_headers}/nlohmann ${headers}/nlohmann SYMBOLIC)

# The page never prints the help text's build stamp, and emscripten's clang
# does not take it from SOURCE_DATE_EPOCH: a fixed one keeps the build
# reproducible.
set(flags -std=c++17 -O2 -DNDEBUG -Wall -Wextra -I${PROJECT_SOURCE_DIR} -isystem ${headers}
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -Wno-builtin-macro-redefined
    "-D__DATE__=\"Jan  1 1970\"" "-D__TIME__=\"00:00:00\"")
if(TEV_WERROR)
  list(APPEND flags -Werror)
endif()

# One object per source, so that a change rebuilds only its own.
set(objects)
foreach(source ${wasm_sources})
  string(REPLACE "/" "_" object ${source})
  set(object ${wasm_dir}/objects/${object}.o)
  add_custom_command(
    OUTPUT ${object}
    COMMAND ${EMXX} ${flags} -MD -MF ${object}.d -c ${PROJECT_SOURCE_DIR}/${source} -o ${object}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source}
    DEPFILE ${object}.d
    COMMENT "Compiling ${source} to WebAssembly"
    VERBATIM)
  list(APPEND objects ${object})
endforeach()

# The module and its glue, a classic script that defines create_tev_module;
# the optimiser needs node's acorn, which Debian keeps in /usr/share/nodejs.
set(TEV_WASM_GLUE ${wasm_dir}/tev_wasm.js)
set(TEV_WASM_BINARY ${wasm_dir}/tev_wasm.wasm)
add_custom_command(
  OUTPUT ${wasm_dir}/tev_wasm.js ${wasm_dir}/tev_wasm.wasm
  COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs
          ${EMXX} -O2 ${objects} -o ${wasm_dir}/tev_wasm.js
          -sMODULARIZE=1 -sEXPORT_NAME=create_tev_module -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
          -sEXPORTED_FUNCTIONS=_malloc,_free -sEXPORTED_RUNTIME_METHODS=UTF8ToString,FS
  DEPENDS ${objects}
  COMMENT "Linking the viewer's WebAssembly module"
  VERBATIM)

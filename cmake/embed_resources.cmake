# Embeds every file of resources/ into a library, looked up at run time by the file's
# name without its extension ("BITMAP_12", "IDI_ICON1", "DIALOG_201").
# The bytes go in through the assembler's .incbin, so a large picture costs no compile time.

function(dakto_embed_resources target folder)
  file(GLOB files CONFIGURE_DEPENDS "${folder}/*")
  list(SORT files)
  set(asm "${CMAKE_CURRENT_BINARY_DIR}/${target}_data.S")
  set(table "${CMAKE_CURRENT_BINARY_DIR}/${target}_table.cpp")
  set(asmText "    .section .rodata\n")
  set(decls "")
  set(rows "")
  set(index 0)
  foreach(file IN LISTS files)
    get_filename_component(fileName "${file}" NAME)
    if(fileName MATCHES "^\\." OR fileName MATCHES "\\.md$" OR IS_DIRECTORY "${file}")
      continue()
    endif()
    get_filename_component(stem "${file}" NAME_WE)
    string(APPEND asmText "    .balign 16\n    .global dakto_res_${index}\ndakto_res_${index}:\n"
                          "    .incbin \"${file}\"\n    .global dakto_res_${index}_end\ndakto_res_${index}_end:\n")
    string(APPEND decls "extern const unsigned char dakto_res_${index}[];\nextern const unsigned char dakto_res_${index}_end[];\n")
    string(APPEND rows "    {\"${stem}\", dakto_res_${index}, dakto_res_${index}_end},\n")
    math(EXPR index "${index} + 1")
  endforeach()
  string(APPEND asmText "    .section .note.GNU-stack,\"\",@progbits\n")
  file(CONFIGURE OUTPUT "${asm}" CONTENT "${asmText}")
  file(CONFIGURE OUTPUT "${table}" CONTENT
"// Generated from the resources folder; do not edit.
#include \"platform/resources.h\"
extern \"C\" {
${decls}}
namespace dakto {
namespace {
const EmbeddedResource kTable[] = {
${rows}    {nullptr, nullptr, nullptr},
};
}  // namespace
std::span<const EmbeddedResource> EmbeddedResources() { return {kTable, ${index}}; }
}  // namespace dakto
")
  add_library(${target} STATIC "${asm}" "${table}")
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
  set_source_files_properties("${asm}" PROPERTIES OBJECT_DEPENDS "${files}")
endfunction()

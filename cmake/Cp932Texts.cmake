# twindir_cp932_texts(TARGET <lib> SOURCE <file.texts> HEADER <dir/Name.h> NAMESPACE <ns>)
#
# Turns a UTF-8 texts file into a generated header of code page 932 string
# constants, so that the program's own texts are written readably in the
# source tree but are held as CP932 bytes at run time, with any compiler.
# The header is reached as #include "<HEADER>" by everything linking <lib>.
function(twindir_cp932_texts)
  cmake_parse_arguments(ARG "" "TARGET;SOURCE;HEADER;NAMESPACE" "" ${ARGN})
  set(out_dir ${CMAKE_BINARY_DIR}/generated)
  set(out ${out_dir}/${ARG_HEADER})
  get_filename_component(src ${ARG_SOURCE} ABSOLUTE)
  add_custom_command(
    OUTPUT ${out}
    COMMAND cp932-texts ${src} ${out} ${ARG_NAMESPACE}
    DEPENDS cp932-texts ${src}
    COMMENT "CP932 texts ${ARG_HEADER}"
    VERBATIM)
  string(MAKE_C_IDENTIFIER ${ARG_HEADER} gen_target)
  add_custom_target(gen_${gen_target} DEPENDS ${out})
  add_dependencies(${ARG_TARGET} gen_${gen_target})
  target_sources(${ARG_TARGET} PRIVATE ${out})
  target_include_directories(${ARG_TARGET} PUBLIC ${out_dir})
endfunction()

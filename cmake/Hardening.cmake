# Release builds are hardened the way Debian builds its packages, so the tree scripts/build.sh
# builds and the package hold the same programs: stack protector, fortified C library calls,
# read-only relocations bound at start, position-independent executables. The flags are
# dpkg-buildflags' own where it exists; its -g and -O stay with the build type.
set(KVC_HARDENING_CONFIGS Release RelWithDebInfo)

function(kvc_hardening_flags variable)
  find_program(KVC_DPKG_BUILDFLAGS dpkg-buildflags)
  if(NOT KVC_DPKG_BUILDFLAGS)
    # The same flags as Debian's "hardening=+all" for GCC and Clang, where dpkg is missing.
    set(compile -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat -Werror=format-security)
    set(link -Wl,-z,relro -Wl,-z,now)
  else()
    set(compile)
    foreach(kind CPPFLAGS CXXFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${KVC_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
      separate_arguments(flags UNIX_COMMAND "${flags}")
      list(APPEND compile ${flags})
    endforeach()
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${KVC_DPKG_BUILDFLAGS} --get LDFLAGS
      OUTPUT_VARIABLE link OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(link UNIX_COMMAND "${link}")
    # Debugging and optimisation belong to the build type; the source path mapping would make
    # every worktree's objects differ for the compiler cache.
    list(FILTER compile EXCLUDE REGEX "^-(g|O).*|^-f(file|debug|macro)-prefix-map=")
  endif()
  set(${variable}_COMPILE ${compile} PARENT_SCOPE)
  set(${variable}_LINK ${link} PARENT_SCOPE)
endfunction()

kvc_hardening_flags(KVC_HARDENING)
message(STATUS "Hardening for ${KVC_HARDENING_CONFIGS}: ${KVC_HARDENING_COMPILE} ${KVC_HARDENING_LINK}")
# _FORTIFY_SOURCE needs optimisation, so a Debug build goes without all of them.
string(JOIN "," KVC_HARDENING_CONFIG_LIST ${KVC_HARDENING_CONFIGS})
foreach(flag ${KVC_HARDENING_COMPILE})
  add_compile_options($<$<CONFIG:${KVC_HARDENING_CONFIG_LIST}>:${flag}>)
endforeach()
foreach(flag ${KVC_HARDENING_LINK})
  add_link_options($<$<CONFIG:${KVC_HARDENING_CONFIG_LIST}>:${flag}>)
endforeach()
# Executables are position independent (gcc's default on Debian, made explicit for the others).
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

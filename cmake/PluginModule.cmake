# pd_plugin_module(TARGET PIPL_SOURCE EXPORTS_MAP): makes TARGET (a MODULE library) a plug-in module of the
# host: named <name>.pdp, exporting PluginMain and nothing else, and carrying the plug-in property list that
# PIPL_SOURCE builds at compile time.
#   Linux: the list stays in the ELF section ".pipl" of the module, and the linker's version script
#          EXPORTS_MAP keeps every other symbol local.
#   Windows: PIPL_SOURCE is compiled on its own, the section's bytes are copied out of the object file and
#          (trimmed to the list's own length) become the module's resource of type "PIPL", id 16000, language 1033 (US English), where the host
#          reads them with FindResource; only the dllexport-marked PluginMain is exported.
function(pd_plugin_module target piplSource exportsMap)
  set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".pdp")
  if(WIN32)
    set(piplObject ${target}_pipl_object)
    add_library(${piplObject} OBJECT ${piplSource})
    target_link_libraries(${piplObject} PRIVATE pendrakeapi)
    target_include_directories(${piplObject} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    set(piplBytes ${CMAKE_CURRENT_BINARY_DIR}/${target}.pipl)
    add_custom_command(
      OUTPUT ${piplBytes}
      COMMAND ${CMAKE_OBJCOPY} -O binary --only-section=.pipl $<TARGET_OBJECTS:${piplObject}> ${piplBytes}
      COMMAND ${CMAKE_COMMAND} -DFILE=${piplBytes} -P ${PROJECT_SOURCE_DIR}/cmake/TrimPropertyList.cmake
      DEPENDS ${piplObject} $<TARGET_OBJECTS:${piplObject}>
      COMMENT "Copying the plug-in property list of ${target}"
      VERBATIM)
    set(resourceScript ${CMAKE_CURRENT_BINARY_DIR}/${target}_pipl.rc)
    file(CONFIGURE OUTPUT ${resourceScript}
         CONTENT "LANGUAGE 0x09, 0x01\n16000 PIPL \"${piplBytes}\"\n")
    set_source_files_properties(${resourceScript} PROPERTIES OBJECT_DEPENDS ${piplBytes})
    target_sources(${target} PRIVATE ${resourceScript})
    # PluginMain may sit in a static library that nothing else in the module calls; without any dllexport the
    # linker would export every symbol, so that is excluded too.
    target_link_options(${target} PRIVATE -Wl,--undefined=PluginMain -Wl,--exclude-all-symbols)
  else()
    target_sources(${target} PRIVATE ${piplSource})
    set_target_properties(${target} PROPERTIES LINK_DEPENDS ${exportsMap})
    target_link_options(${target} PRIVATE
      -Wl,--undefined=PluginMain -Wl,--version-script=${exportsMap} -Wl,--no-undefined)
  endif()
endfunction()

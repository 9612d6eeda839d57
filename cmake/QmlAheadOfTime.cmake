# Compiles the QML files of a resource file ahead of time (qmlcachegen) while
# the resource keeps its sources: the engine takes the compiled units and the
# sources stay readable at their paths.
#
#   orvalis_qml_resources(OUT_SOURCES path/to/file.qrc)
#
# OUT_SOURCES gets the generated C++ (compiled units, their loader, the
# resource data). The loader registers everything during static initialisation.
function(orvalis_qml_resources out qrc)
  get_filename_component(qrc_abs ${qrc} ABSOLUTE)
  get_filename_component(qrc_dir ${qrc_abs} DIRECTORY)
  get_filename_component(qrc_name ${qrc_abs} NAME_WE)
  get_target_property(rcc Qt5::rcc IMPORTED_LOCATION)
  get_filename_component(qt_bin ${rcc} DIRECTORY)
  find_program(QMLCACHEGEN qmlcachegen HINTS ${qt_bin} REQUIRED NO_DEFAULT_PATH)

  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qrc_abs})
  execute_process(COMMAND ${rcc} --list ${qrc_abs} OUTPUT_VARIABLE listed
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "rcc cannot list ${qrc_abs}")
  endif()
  string(REGEX REPLACE "[\r\n]+" ";" listed "${listed}")

  set(gen ${CMAKE_CURRENT_BINARY_DIR}/${qrc_name}_aot)
  file(MAKE_DIRECTORY ${gen})
  set(units)
  set(inputs)
  foreach(file ${listed})
    if(file STREQUAL "")
      continue()
    endif()
    list(APPEND inputs ${file})
    if(file MATCHES "\\.(qml|js|mjs)$")
      file(RELATIVE_PATH rel ${qrc_dir} ${file})
      string(REGEX REPLACE "[/.]" "_" stem ${rel})
      set(unit ${gen}/${stem}.cpp)
      add_custom_command(OUTPUT ${unit}
        COMMAND ${QMLCACHEGEN} --resource=${qrc_abs} ${file} -o ${unit}
        DEPENDS ${file} ${qrc_abs}
        COMMENT "Compiling ${rel} ahead of time" VERBATIM)
      list(APPEND units ${unit})
    endif()
  endforeach()

  # The resource keeps every file, sources included, under a name of its own
  # that the loader initialises.
  set(data ${gen}/qrc_${qrc_name}_sources.cpp)
  add_custom_command(OUTPUT ${data}
    COMMAND ${rcc} --name ${qrc_name}_sources --output ${data} ${qrc_abs}
    DEPENDS ${qrc_abs} ${inputs} VERBATIM)

  set(loader ${gen}/qmlcache_loader.cpp)
  add_custom_command(OUTPUT ${loader}
    COMMAND ${QMLCACHEGEN} --resource-file-mapping=${qrc_abs}=${gen}/${qrc_name}_sources.qrc
            ${qrc_abs} -o ${loader}
    DEPENDS ${qrc_abs} VERBATIM)

  set(${out} ${units} ${loader} ${data} PARENT_SCOPE)
endfunction()

